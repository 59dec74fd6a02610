// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance/peercredentials.h"

#include <sys/socket.h>
#include <unistd.h>

namespace calmdesk {

bool isSameUserPeer(qintptr socketDescriptor)
{
#ifdef SO_PEERCRED
    ucred credentials{};
    socklen_t size = sizeof(credentials);
    if (getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials,
                   &size) != 0)
        return false;
    return credentials.uid == geteuid();
#else
    Q_UNUSED(socketDescriptor);
    return true;
#endif
}

} // namespace calmdesk
