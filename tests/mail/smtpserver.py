#!/usr/bin/env python3
"""The mail servers of tst_mailtest, all on 127.0.0.1, each on a free port:

  plain     SMTP with AUTH LOGIN and PLAIN for one account, no encryption
  tls       the same with TLS from the first byte, with a certificate made by openssl
  starttls  offers STARTTLS, and AUTH only after it, as a submission port does
  silent    accepts the connection and never says a word
  closed    not a server: a port that was free a moment ago, where nothing listens

Usage: smtpserver.py DIR [--files]
  DIR receives cert.pem, the certificate and the CA the test trusts, and other.pem, an
  authority that issued none of the servers' certificates.

Prints one JSON line with the ports, {"plain": 40001, ...}, when ready, then one JSON line per
accepted message: {"from": ..., "to": [...], "headers": {"Subject": ...}, "crlf": true}.
Every server refuses the recipient refused@example.org with 550. Ends on SIGTERM or when its
standard input closes, so that it cannot outlive the test. Exits 77 when python3-aiosmtpd or
openssl is missing.

With --files (the Windows tests under Wine, which hands a Linux program none of its pipes) the
lines go to DIR/servers.out, and a "control" port stands in for standard input: the servers
end when the test's connection to it closes, or when none came in 30 seconds.
"""

import asyncio
import email
import json
import logging
import os
import signal
import socket
import ssl
import subprocess
import sys

try:
    from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword
except ImportError:
    print("python3-aiosmtpd is missing", file=sys.stderr)
    sys.exit(77)


class Handler:
    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address == "refused@example.org":
            return "550 5.1.1 <refused@example.org>: no such mailbox"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        raw = envelope.original_content
        headers = dict(email.message_from_bytes(raw).items())
        crlf = raw.count(b"\n") == raw.count(b"\r\n")
        print(json.dumps({"from": envelope.mail_from, "to": envelope.rcpt_tos,
                          "headers": headers, "crlf": crlf}), flush=True)
        return "250 Message accepted"


def authenticate(server, session, envelope, mechanism, auth_data):
    ok = auth_data == LoginPassword(b"camera@example.org", b"Tr41l-cam!")
    return AuthResult(success=ok, handled=False)  # not handled: aiosmtpd answers 535


def tls_context(folder):
    cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    other = os.path.join(folder, "other.pem")
    try:
        subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                        "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1", "-subj",
                        "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                        "-keyout", key, "-out", cert], check=True, capture_output=True)
        subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                        "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1", "-subj",
                        "/CN=Another authority", "-keyout", other + ".key", "-out", other],
                       check=True, capture_output=True)
    except FileNotFoundError:
        print("openssl is missing", file=sys.stderr)
        sys.exit(77)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    return context


async def control_port(loop, done):
    """Ends the servers when the one connection to the port it returns closes; returns the port
    and the task that keeps the time limit."""
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
    return server.sockets[0].getsockname()[1], loop.create_task(time_limit())


async def serve(folder, files):
    loop = asyncio.get_running_loop()
    done = asyncio.Event()
    for signum in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(signum, done.set)
    if not files:
        loop.add_reader(0, lambda: os.read(0, 4096) or done.set())

    context, handler = tls_context(folder), Handler()
    login = dict(authenticator=authenticate, auth_require_tls=False)
    servers = {
        "plain": (lambda: SMTP(handler, **login), None),
        "tls": (lambda: SMTP(handler, **login), context),
        "starttls": (lambda: SMTP(handler, authenticator=authenticate, tls_context=context), None),
        "silent": (asyncio.Protocol, None),
    }
    ports = {}
    for name, (factory, tls) in servers.items():
        server = await loop.create_server(factory, "127.0.0.1", 0, ssl=tls)
        ports[name] = server.sockets[0].getsockname()[1]
    with socket.socket() as closed:
        closed.bind(("127.0.0.1", 0))
        ports["closed"] = closed.getsockname()[1]
    if files:
        ports["control"], limit = await control_port(loop, done)
    print(json.dumps(ports), flush=True)
    await done.wait()


if __name__ == "__main__":
    # aiosmtpd warns about AUTH without TLS, which these servers offer on purpose.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    folder, files = sys.argv[1], sys.argv[2:] == ["--files"]
    if files:
        sys.stdout = open(os.path.join(folder, "servers.out"), "w", buffering=1)
    asyncio.run(serve(folder, files))
