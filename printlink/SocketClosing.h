#pragma once

class QTcpSocket;

// Closes socket once what was written to it has gone out, then deletes it. A peer that takes no
// data gets the connection aborted after a short grace time, so no socket lingers.
void CloseWhenWritten(QTcpSocket* socket);
