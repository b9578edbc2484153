// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/SingleInstance.h"

#include "core/users/InstanceName.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString &programFolder)
    : m_name(InstanceName(programFolder).toUtf8())
{
}

SingleInstance::~SingleInstance()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

bool SingleInstance::claim()
{
    if (m_socket >= 0)
        return true;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return true; // the guard is out of reach: this copy runs
    // An abstract name: a leading NUL, then the name's bytes, no file.
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const auto length = std::min<std::size_t>(m_name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, m_name.constData(), length);
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    if (::bind(socket, reinterpret_cast<const sockaddr *>(&address), size) == 0) {
        m_socket = socket;
        return true;
    }
    const bool taken = errno == EADDRINUSE;
    ::close(socket);
    return !taken;
}
