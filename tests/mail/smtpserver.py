#!/usr/bin/env python3
"""The mail servers of the test e-mail's tests, all on 127.0.0.1, each on a free port: Postfix
with Dovecot (realservers.py, which lists their ports and accounts), and scripted servers for
what they never do:

  silent   accepts the connection and never says a word
  busy     greets with 421 and hangs up
  tempauth answers AUTH with 454, a login service that is down
  hostile  answers AUTH with 535 and ESC sequences and a right-to-left override
  stall    takes everything, then says nothing after the message
  closed   not a server: a port that was free a moment ago, where nothing listens

Usage: smtpserver.py DIR [--files]
  DIR receives ca.pem, the authority of the tls port, other.pem, one that issued nothing, and
  Postfix's mailboxes (DIR/mail/NAME/new/).

Prints one JSON line with the ports, {"plain": 40001, ...}, when ready. Ends on SIGTERM or when
its standard input closes, so that it cannot outlive the test, and stops Postfix and Dovecot.
Exits 77 when a package is missing or it is not root.

With --files (the Windows tests under Wine, which hands a Linux program none of its pipes) the
line goes to DIR/servers.out, what goes wrong to DIR/servers.err, and a "control" port stands
in for standard input: the servers end when the test's connection to it closes, or when none
came in 30 seconds.
"""

import asyncio
import json
import os
import signal
import socket
import sys

import realservers

GREETING = b"220 test.example.org ESMTP"
# Each scripted server's replies that differ from a lenient server's; None: silence.
SCRIPTS = {
    "silent": {"": None},
    "busy": {"": b"421 4.7.0 test.example.org Too many connections, try again later"},
    "tempauth": {"AUTH": b"454 4.7.0 Temporary authentication failure"},
    "hostile": {"AUTH": "535 5.7.8 \x1b[2J\x1b[31mAuthentication failed\u202e".encode()},
    "stall": {".": None},
}
LENIENT = {"": GREETING, "EHLO": b"250-test.example.org\r\n250 AUTH PLAIN LOGIN",
           "AUTH": b"235 2.7.0 Authentication successful", "DATA": b"354 End data with .",
           ".": b"250 2.0.0 Ok", "QUIT": b"221 2.0.0 Bye"}


def scripted(script):
    async def serve(reader, writer):
        replies = dict(LENIENT, **script)
        verb, data = "", False
        while True:
            reply = replies.get(verb, b"250 2.1.0 Ok")
            if reply is None:
                await reader.read()  # until the client hangs up
                break
            writer.write(reply + b"\r\n")
            await writer.drain()
            if verb == "QUIT" or reply.startswith(b"421"):
                break
            line = await reader.readline()
            while data and line and line.rstrip(b"\r\n") != b".":
                line = await reader.readline()
            if not line:
                break
            verb = "." if data else line.split(b" ")[0].strip().upper().decode("latin-1")
            data = verb == "DATA"
        writer.close()
    return serve


async def control_port(done):
    """Ends the servers when the one connection to the port it returns closes, or when none
    came in 30 seconds."""
    connected = asyncio.Event()

    async def follow(reader, writer):
        connected.set()
        while await reader.read(4096):
            pass
        done.set()  # the test sees its end close as this process ends

    async def time_limit():
        try:
            await asyncio.wait_for(connected.wait(), 30)
        except asyncio.TimeoutError:
            done.set()

    server = await asyncio.start_server(follow, "127.0.0.1", 0)
    return server.sockets[0].getsockname()[1], asyncio.create_task(time_limit())


async def serve(folder, files, ports):
    loop = asyncio.get_running_loop()
    done = asyncio.Event()
    for signum in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(signum, done.set)
    if not files:
        loop.add_reader(0, lambda: os.read(0, 4096) or done.set())
    for name, script in SCRIPTS.items():
        server = await asyncio.start_server(scripted(script), "127.0.0.1", 0)
        ports[name] = server.sockets[0].getsockname()[1]
    with socket.socket() as closed:
        closed.bind(("127.0.0.1", 0))
        ports["closed"] = closed.getsockname()[1]
    if files:
        ports["control"], limit = await control_port(done)
    print(json.dumps(ports), flush=True)
    await done.wait()


if __name__ == "__main__":
    folder, files = sys.argv[1], sys.argv[2:] == ["--files"]
    if files:
        sys.stdout = open(os.path.join(folder, "servers.out"), "w", buffering=1)
        sys.stderr = open(os.path.join(folder, "servers.err"), "w", buffering=1)
    if why := realservers.missing():
        print(why, file=sys.stderr)
        sys.exit(77)
    ports, stop = realservers.start(folder)
    try:
        asyncio.run(serve(folder, files, ports))
    finally:
        stop()
