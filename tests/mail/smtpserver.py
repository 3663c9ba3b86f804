#!/usr/bin/env python3
"""The mail servers of tst_mailtest, all on 127.0.0.1, each on a free port:

  plain     SMTP with AUTH LOGIN and PLAIN for one account, no encryption
  tls       the same with TLS from the first byte, with a certificate made by openssl
  starttls  offers STARTTLS, and AUTH only after it, as a submission port does
  silent    accepts the connection and never says a word
  closed    not a server: a port that was free a moment ago, where nothing listens

Usage: smtpserver.py DIR   (DIR receives cert.pem, the certificate and the CA the test trusts)

Prints one JSON line with the ports, {"plain": 40001, ...}, when ready, then one JSON line per
accepted message: {"from": ..., "to": [...], "headers": {"Subject": ...}, "crlf": true}.
Every server refuses the recipient refused@example.org with 550. Ends on SIGTERM or when its
standard input closes, so that it cannot outlive the test. Exits 77 when python3-aiosmtpd or
openssl is missing.
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
    try:
        subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                        "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1", "-subj",
                        "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                        "-keyout", key, "-out", cert], check=True, capture_output=True)
    except FileNotFoundError:
        print("openssl is missing", file=sys.stderr)
        sys.exit(77)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    return context


async def serve(folder):
    loop = asyncio.get_running_loop()
    done = asyncio.Event()
    for signum in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(signum, done.set)
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
    print(json.dumps(ports), flush=True)
    await done.wait()


if __name__ == "__main__":
    # aiosmtpd warns about AUTH without TLS, which these servers offer on purpose.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    asyncio.run(serve(sys.argv[1]))
