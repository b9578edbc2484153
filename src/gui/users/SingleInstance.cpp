// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/users/SingleInstance.h"

#include "core/users/InstanceName.h"

#include <QLocalSocket>

namespace {

constexpr int answerTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_name(InstanceName(programFolder))
{
    // Later copies only look for the server; they are let go at once.
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
        }
    });
}

bool SingleInstance::claim()
{
    if (m_server.isListening())
        return true;
    if (anotherCopyAnswers())
        return false;
    // Nobody answers: a socket left by a copy that crashed is stale.
    QLocalServer::removeServer(m_name);
    // Copies run by other users of this computer must find the server too.
    m_server.setSocketOptions(QLocalServer::WorldAccessOption);
    if (m_server.listen(m_name))
        return true;
    // Another copy may have started between the look and the listen; if it
    // does not answer either, the guard is out of reach and this copy runs.
    return !anotherCopyAnswers();
}

bool SingleInstance::anotherCopyAnswers() const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    return socket.waitForConnected(answerTimeoutMs);
}
