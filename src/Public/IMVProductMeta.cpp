// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVProductMeta.h"

namespace Morvek {

std::shared_ptr<IMVProductMeta> IMVProductMeta::MallocProductMeta(const std::string& productId)
{
    return std::make_shared<IMVProductMeta>(productId);
}

} // namespace Morvek
