// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <memory>
#include <string>

namespace Morvek {

// The product's identity as the services see it (UTF-8 strings).
class IMVProductMeta
{
public:
    static std::shared_ptr<IMVProductMeta> MallocProductMeta(const std::string& productId);

    explicit IMVProductMeta(std::string productId) : m_productId(std::move(productId)) {}
    void SetVersion(const std::string& version) { m_version = version; }
    void SetOrganization(const std::string& organization) { m_organization = organization; }

    const std::string& ProductId() const { return m_productId; }
    const std::string& Version() const { return m_version; }
    const std::string& Organization() const { return m_organization; }

private:
    std::string m_productId;
    std::string m_version;
    std::string m_organization;
};

} // namespace Morvek
