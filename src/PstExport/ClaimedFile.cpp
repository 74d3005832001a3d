// SPDX-License-Identifier: GPL-2.0-or-later
#include "ClaimedFile.h"

#include "CheckedStream.h"
#include "OutputNames.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Far more same-named items than any folder holds; only a file system that
// answers "exists" to every name gets here.
constexpr int kMaxNumber = 1000000;

} // namespace

ClaimedFile::ClaimedFile() = default;

ClaimedFile::~ClaimedFile()
{
    if (m_stream)
        discard();
}

bool ClaimedFile::claim(const QString& dir, const QString& name, const QString& ext)
{
    for (int number = 0; number <= kMaxNumber; ++number) {
        if (create(OutputNames::numberedFilePath(dir, name, ext, number)))
            return true;
        if (errno != EEXIST)
            return false;
    }
    m_error = qt_error_string(EEXIST);
    return false;
}

bool ClaimedFile::claimPath(const QString& path)
{
    return create(path);
}

bool ClaimedFile::create(const QString& path)
{
    const int fd = open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        m_error = qt_error_string(error);
        errno = error;
        return false;
    }
    m_stream = std::make_unique<CheckedStream>(fd);
    m_path = path;
    m_error.clear();
    if (!m_stream->stream()) {
        m_error = m_stream->errorString();
        discard();
        errno = EIO;
        return false;
    }
    return true;
}

FILE* ClaimedFile::stream() const
{
    return m_stream ? m_stream->stream() : nullptr;
}

bool ClaimedFile::commit()
{
    if (!m_stream)
        return false;
    const bool whole = m_stream->close();
    if (whole) {
        m_stream.reset();
        return true;
    }
    m_error = m_stream->errorString();
    m_stream.reset();
    QFile::remove(m_path);
    return false;
}

void ClaimedFile::discard()
{
    if (!m_stream)
        return;
    m_stream->close();
    m_stream.reset();
    QFile::remove(m_path);
}
