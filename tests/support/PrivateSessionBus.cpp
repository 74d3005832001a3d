// SPDX-License-Identifier: GPL-2.0-or-later
#include "PrivateSessionBus.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <QFile>

#include <cstdio>
#include <vector>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr char kMarker[] = "LUMAROO_PRIVATE_SESSION_BUS";

void setFolder(const char* variable, const QString& path)
{
    QDir().mkpath(path);
    qputenv(variable, QFile::encodeName(path));
}

} // namespace

namespace PrivateSessionBus {

bool active()
{
    return qEnvironmentVariableIsSet(kMarker);
}

int rerun(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "PrivateSessionBus: no temporary folder\n");
        return 1;
    }
    // The bus daemon hands its environment to the services it starts.
    setFolder("HOME", home.path());
    setFolder("XDG_DATA_HOME", home.filePath(QStringLiteral(".local/share")));
    setFolder("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")));
    setFolder("XDG_CACHE_HOME", home.filePath(QStringLiteral(".cache")));
    setFolder("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("run")));
    chmod(QFile::encodeName(home.filePath(QStringLiteral("run"))).constData(), 0700);
    // No dconf daemon on the private bus: settings stay in memory.
    qputenv("GSETTINGS_BACKEND", "memory");
    qputenv(kMarker, "1");

    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> args{const_cast<char*>("dbus-run-session"), const_cast<char*>("--")};
        for (int i = 0; i < argc; ++i)
            args.push_back(argv[i]);
        args.push_back(nullptr);
        execvp(args[0], args.data());
        std::perror("PrivateSessionBus: dbus-run-session");
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) < 0)
        return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

} // namespace PrivateSessionBus
