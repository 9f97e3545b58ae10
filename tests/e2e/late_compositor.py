#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A compositor that answers late: a Wayland socket in front of the real one that passes the
client's requests on at once and holds back every message of the compositor for DELAY seconds
while the file HOLD exists, file descriptors included.
    late_compositor.py SOCKET COMPOSITOR_SOCKET DELAY HOLD"""
import os
import queue
import socket
import sys
import threading
import time

MAX_FDS = 28  # libwayland's own limit per message


def forward(source, target):
    while True:
        data, fds, _, _ = socket.recv_fds(source, 65536, MAX_FDS)
        if not data:
            target.shutdown(socket.SHUT_WR)
            return
        yield data, fds


def send(target, data, fds):
    sent = socket.send_fds(target, [data], fds) if fds else target.send(data)
    target.sendall(data[sent:])
    for fd in fds:
        os.close(fd)


def relay(client, upstream, delay, hold):
    def requests():
        for data, fds in forward(client, upstream):
            send(upstream, data, fds)

    held = queue.Queue()

    def answers():
        for data, fds in forward(upstream, client):
            held.put((time.monotonic() + (delay if os.path.exists(hold) else 0), data, fds))
        held.put(None)

    def deliver():
        # In order: a message never overtakes one held before it.
        while (item := held.get()) is not None:
            due, data, fds = item
            time.sleep(max(0, due - time.monotonic()))
            send(client, data, fds)

    for work in (requests, answers, deliver):
        threading.Thread(target=ignore_closed(work), daemon=True).start()


def ignore_closed(work):
    def run():
        try:
            work()
        except OSError:
            pass
    return run


def main():
    path, upstream_path, delay, hold = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4]
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    server.listen()
    while True:
        client, _ = server.accept()
        upstream = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        upstream.connect(upstream_path)
        relay(client, upstream, delay, hold)


if __name__ == "__main__":
    main()
