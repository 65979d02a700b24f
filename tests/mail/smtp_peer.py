#!/usr/bin/env python3
"""A loopback SMTP server for the mail client's tests.

Writes each mail it receives to DIR/mailN.txt (the envelope, whether TLS and AUTH were used,
a blank line and the message as received) and its port to DIR/port once it listens.
Modes: plain; auth (AUTH LOGIN required, the credentials in the environment variables
HALVEX_PEER_LOGIN and HALVEX_PEER_PASSWORD); starttls (STARTTLS offered with --cert/--key);
silent (accepts connections and never says a word). Runs until it is terminated.
"""
import argparse
import os
import signal
import socket
import ssl
import sys
import time
import warnings

# The auth mode accepts AUTH without TLS on purpose: it tests the login alone.
warnings.filterwarnings("ignore", category=UserWarning)

parser = argparse.ArgumentParser()
parser.add_argument("--mode", required=True, choices=["plain", "auth", "starttls", "silent"])
parser.add_argument("--dir", required=True)
parser.add_argument("--cert")
parser.add_argument("--key")
args = parser.parse_args()
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))


def announce(port):
    with open(os.path.join(args.dir, "port.tmp"), "w") as f:
        f.write(str(port))
    os.replace(os.path.join(args.dir, "port.tmp"), os.path.join(args.dir, "port"))


if args.mode == "silent":
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    announce(listener.getsockname()[1])
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)

from aiosmtpd.controller import Controller  # noqa: E402
from aiosmtpd.smtp import AuthResult  # noqa: E402


class Handler:
    def __init__(self):
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        path = os.path.join(args.dir, "mail%d.txt" % self.count)
        with open(path + ".tmp", "wb") as f:
            f.write(b"MAIL FROM:" + envelope.mail_from.encode() + b"\n")
            for recipient in envelope.rcpt_tos:
                f.write(b"RCPT TO:" + recipient.encode() + b"\n")
            f.write(b"TLS:" + (b"yes" if session.ssl else b"no") + b"\n")
            f.write(b"AUTH:" + (b"yes" if session.authenticated else b"no") + b"\n\n")
            f.write(envelope.original_content)
        os.replace(path + ".tmp", path)
        return "250 OK"


def authenticate(server, session, envelope, mechanism, data):
    good = (mechanism == "LOGIN" and
            data.login.decode() == os.environ.get("HALVEX_PEER_LOGIN") and
            data.password.decode() == os.environ.get("HALVEX_PEER_PASSWORD"))
    return AuthResult(success=good, handled=False)


options = {"auth_require_tls": False}
if args.mode == "auth":
    options.update(authenticator=authenticate, auth_required=True)
if args.mode == "starttls":
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(args.cert, args.key)
    options.update(tls_context=context, require_starttls=True)

probe = socket.socket()
probe.bind(("127.0.0.1", 0))
port = probe.getsockname()[1]
probe.close()
controller = Controller(Handler(), hostname="127.0.0.1", port=port, **options)
controller.start()
announce(port)
while True:
    time.sleep(3600)
