"""Debian's Postfix, with Dovecot for its logins, on 127.0.0.1 with a configuration of the test's
own: Postfix's configuration directory and queue and Dovecot's folder in a short folder of their
own in /tmp (a socket's path holds 107 bytes at most, and Wine's folders are deep), the Maildirs
in DIR/mail, nothing relayed, never the system's service. Started as root (the
master process of Postfix refuses anything else); both end with start()'s stop function, when
the process that started them dies (PR_SET_PDEATHSIG; a watchdog for Postfix), and Postfix
after 10 minutes at most.

Ports, each on a free port of 127.0.0.1:
  plain       AUTH PLAIN LOGIN SCRAM-SHA-256, no encryption
  tls         TLS from the first byte, its certificate issued by DIR/ca.pem, chain sent
  selfsigned  the same with a self-signed certificate
  submission  demands STARTTLS before AUTH, as a submission port does
  scram       offers only the login method SCRAM-SHA-256
  login       offers only LOGIN
  blocked     turns every client away in its greeting

Accounts (passwords as the camera's Windows-1252 bytes): camera@example.org and
outsider@example.org with Tr41l-cam!, pierre@example.org with Mot-de-passé1. Mailboxes a, b and
spam@example.org, delivered to DIR/mail/NAME/; outsider@ may log in but not send as
itself, full@ is refused for now (452), a message to spam@ is refused for its content.
"""

import ctypes
import grp
import os
import pwd
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

POSTFIX = "/usr/lib/postfix/sbin/master"
DOVECOT = "/usr/sbin/dovecot"
# Each port's smtpd, by its name.
SERVICE = {
    "plain": "-o smtpd_tls_security_level=none",
    "tls": "-o smtpd_tls_wrappermode=yes -o smtpd_tls_security_level=encrypt",
    "selfsigned": "-o smtpd_tls_wrappermode=yes -o smtpd_tls_security_level=encrypt"
                  " -o smtpd_tls_chain_files={conf}/selfsigned.pem",
    "submission": "-o smtpd_tls_security_level=encrypt -o smtpd_tls_auth_only=yes",
    "scram": "-o smtpd_tls_security_level=none -o smtpd_sasl_mechanism_filter=scram-sha-256",
    "login": "-o smtpd_tls_security_level=none -o smtpd_sasl_mechanism_filter=login",
    "blocked": "-o smtpd_client_restrictions=reject",
}
# The queue's folders: mode, and whether the group is postdrop; pid stays root's.
QUEUE = dict({name: (0o700, False) for name in (
    "active", "bounce", "corrupt", "defer", "deferred", "flush", "hold", "incoming", "private",
    "saved", "trace")}, maildrop=(0o730, True), public=(0o710, True), pid=(0o755, False))
MAIN_CF = """compatibility_level = 3.6
queue_directory = {pf}/queue
data_directory = {pf}/data
mail_owner = postfix
setgid_group = postdrop
maillog_file = {pf}/log
maillog_file_prefixes = {pf}
myhostname = mail.example.org
inet_interfaces = 127.0.0.1
inet_protocols = ipv4
mydestination =
relay_domains =
mynetworks = 127.0.0.1/32
default_transport = error:nothing is relayed
relay_transport = error:nothing is relayed
smtpd_peername_lookup = no
smtpd_delay_reject = no
smtpd_relay_restrictions = reject_unauth_destination
smtpd_recipient_restrictions = check_recipient_access texthash:{pf}/conf/recipients
smtpd_sender_login_maps = texthash:{pf}/conf/logins
smtpd_sender_restrictions = reject_sender_login_mismatch
header_checks = regexp:{pf}/conf/headers
virtual_mailbox_domains = example.org
virtual_mailbox_base = {mail}
virtual_mailbox_maps = texthash:{pf}/conf/mailboxes
virtual_uid_maps = static:{uid}
virtual_gid_maps = static:{gid}
smtpd_sasl_auth_enable = yes
smtpd_sasl_type = dovecot
smtpd_sasl_path = {dv}/auth
smtpd_tls_chain_files = {pf}/conf/chain.pem
"""
MASTER_CF = """cleanup unix n - n - 0 cleanup
qmgr unix n - n 300 1 qmgr
rewrite unix - - n - - trivial-rewrite
bounce unix - - n - 0 bounce
defer unix - - n - 0 bounce
trace unix - - n - 0 bounce
flush unix n - n 1000? 0 flush
anvil unix - - n - 1 anvil
virtual unix - n n - - virtual
error unix - - n - - error
retry unix - - n - - error
tlsmgr unix - - n 1000? 1 tlsmgr
proxymap unix - - n - - proxymap
postlog unix-dgram n - n - 1 postlogd
"""
FILES = {
    "mailboxes": "a@example.org a/\nb@example.org b/\nspam@example.org spam/\n"
                 "full@example.org full/\n",
    "recipients": "full@example.org 452 4.2.2 <full@example.org>: Mailbox full\n",
    "logins": "outsider@example.org someone@example.org\ncamera@example.org camera@example.org\n"
              "pierre@example.org pierre@example.org\n",
    "headers": "/^To:.*spam@example\\.org/ REJECT 5.7.1 message content refused\n",
}
DOVECOT_CONF = """base_dir = {dv}/run
state_dir = {dv}/run
log_path = {dv}/log
protocols =
ssl = no
auth_failure_delay = 0
auth_mechanisms = plain login scram-sha-256
passdb {{
  driver = passwd-file
  args = scheme=PLAIN {dv}/passwd
}}
userdb {{
  driver = static
  args = uid=nobody gid=nogroup home={dv}
}}
# No growing delay after failed logins, which the rows make on purpose.
service anvil {{
  unix_listener anvil-auth-penalty {{
    mode = 0
  }}
}}
service auth {{
  unix_listener auth-client {{
    path = {dv}/auth
    mode = 0666
  }}
}}
"""
PASSWD = ("camera@example.org:{PLAIN}Tr41l-cam!\noutsider@example.org:{PLAIN}Tr41l-cam!\n"
          "pierre@example.org:{PLAIN}Mot-de-passé1\n").encode("cp1252")


def missing():
    """Why the servers cannot start here, or None."""
    if not all(os.path.exists(p) for p in (POSTFIX, DOVECOT)):
        return "postfix or dovecot-core is missing"
    if os.geteuid() != 0:
        return "Postfix starts only as root"
    return None


def free_ports(count):
    sockets = [socket.socket() for _ in range(count)]
    for s in sockets:
        s.bind(("127.0.0.1", 0))
    ports = [s.getsockname()[1] for s in sockets]
    for s in sockets:
        s.close()
    return ports


def ends_with_parent():
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


# Postfix's master changes its effective user for a moment at start, which clears its own
# parent-death signal: this process, in a session of its own, passes that signal on to it.
WATCHDOG = """import ctypes, os, signal, sys
master, parent = int(sys.argv[1]), int(sys.argv[2])
signal.signal(signal.SIGTERM, lambda *_: os.kill(master, signal.SIGTERM) or sys.exit())
ctypes.CDLL(None).prctl(1, signal.SIGTERM)
os.getppid() == parent and signal.pause()
os.kill(master, signal.SIGTERM)
"""


def write(path, text):
    with open(path, "wb" if isinstance(text, bytes) else "w") as f:
        f.write(text)


def openssl(*args):
    subprocess.run(("openssl",) + args, check=True, capture_output=True)


def certificates(folder, conf):
    """DIR/ca.pem, the authority of the tls port's chain; DIR/other.pem, an authority that
    issued nothing; the self-signed certificate of the selfsigned port."""
    ec = ("-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes")
    ca, other = os.path.join(folder, "ca.pem"), os.path.join(folder, "other.pem")
    openssl("req", "-x509", *ec, "-days", "2", "-subj", "/CN=Test authority",
            "-keyout", ca + ".key", "-out", ca)
    openssl("req", "-x509", *ec, "-days", "2", "-subj", "/CN=Another authority",
            "-keyout", other + ".key", "-out", other)
    leaf = os.path.join(conf, "leaf")
    write(leaf + ".ext", "subjectAltName=IP:127.0.0.1\n")
    openssl("req", *ec, "-subj", "/CN=127.0.0.1", "-keyout", leaf + ".key", "-out", leaf + ".csr")
    openssl("x509", "-req", "-in", leaf + ".csr", "-CA", ca, "-CAkey", ca + ".key",
            "-CAcreateserial", "-days", "2", "-extfile", leaf + ".ext", "-out", leaf + ".pem")
    selfsigned = os.path.join(conf, "selfsigned")
    openssl("req", "-x509", *ec, "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
            "subjectAltName=IP:127.0.0.1", "-keyout", selfsigned + ".key", "-out",
            selfsigned + ".crt")
    read = lambda name: open(name).read()
    write(os.path.join(conf, "chain.pem"), read(leaf + ".key") + read(leaf + ".pem") + read(ca))
    write(selfsigned + ".pem", read(selfsigned + ".key") + read(selfsigned + ".crt"))


def configure(folder, pf, dv, mail):
    """Writes both configurations, their folders and certificates; returns the ports."""
    nobody, conf = pwd.getpwnam("nobody"), os.path.join(pf, "conf")
    os.makedirs(os.path.join(dv, "run"))
    os.mkdir(mail)
    for path in ("conf", "queue", "data"):
        os.makedirs(os.path.join(pf, path))
    owner, postdrop = pwd.getpwnam("postfix").pw_uid, grp.getgrnam("postdrop").gr_gid
    os.chown(os.path.join(pf, "data"), owner, -1)
    for name, (mode, group) in QUEUE.items():  # what "postfix check" makes, in 6 s
        os.mkdir(os.path.join(pf, "queue", name), mode)
        os.chmod(os.path.join(pf, "queue", name), mode)
        if name != "pid":
            os.chown(os.path.join(pf, "queue", name), owner, postdrop if group else -1)
    os.chown(mail, nobody.pw_uid, nobody.pw_gid)
    certificates(folder, conf)
    ports = dict(zip(SERVICE, free_ports(len(SERVICE))))
    write(os.path.join(conf, "main.cf"),
          MAIN_CF.format(pf=pf, dv=dv, mail=mail, uid=nobody.pw_uid, gid=nobody.pw_gid))
    write(os.path.join(conf, "master.cf"), MASTER_CF + "".join(
        f"127.0.0.1:{ports[name]} inet n - n - - smtpd {SERVICE[name].format(conf=conf)}\n"
        for name in SERVICE))
    for name, text in FILES.items():
        write(os.path.join(conf, name), text)
    write(os.path.join(dv, "dovecot.conf"), DOVECOT_CONF.format(dv=dv))
    write(os.path.join(dv, "passwd"), PASSWD)
    return ports


def start(folder):
    """Starts both in folder; returns the ports and the function that stops them and removes
    their folders."""
    os.chmod(folder, 0o755)  # Postfix's and Dovecot's users pass through it
    run = tempfile.mkdtemp(prefix="cst-mail-", dir="/tmp")
    os.chmod(run, 0o755)
    pf, dv = os.path.join(run, "postfix"), os.path.join(run, "dovecot")
    mail = os.path.join(folder, "mail")
    started, watchdog = [], []

    def stop():
        for process in watchdog:  # first, and without the signal it would pass on
            process.kill()
            process.wait()
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        # Their folders; the mailboxes are nobody's, which Wine would not remove.
        for path in (run, mail):
            shutil.rmtree(path, ignore_errors=True)

    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    logs = (os.path.join(dv, "log"), os.path.join(pf, "log"))
    try:
        ports = configure(folder, pf, dv, mail)
        started.append(subprocess.Popen([DOVECOT, "-F", "-c", os.path.join(dv, "dovecot.conf")],
                                        preexec_fn=ends_with_parent, **quiet))
        wait_for(lambda: os.path.exists(os.path.join(dv, "auth")), started, logs)
        started.append(subprocess.Popen([POSTFIX, "-c", os.path.join(pf, "conf"), "-s", "-e",
                                         "600"], preexec_fn=ends_with_parent, **quiet))
        python = sys.executable or os.path.realpath("/proc/self/exe")  # empty under Wine
        watchdog.append(subprocess.Popen(
            [python, "-c", WATCHDOG, str(started[-1].pid), str(os.getpid())],
            start_new_session=True, **quiet))
        wait_for(lambda: all(accepts(port) for port in ports.values()), started, logs)
    except BaseException:
        stop()
        raise
    return ports, stop


def accepts(port):
    try:
        socket.create_connection(("127.0.0.1", port), 1).close()
        return True
    except OSError:
        return False


def wait_for(condition, started, logs, limit=15):
    for _ in range(limit * 20):
        if condition():
            return
        if any(process.poll() is not None for process in started):
            break
        time.sleep(0.05)
    tails = [open(log, errors="replace").read()[-2000:] for log in logs if os.path.exists(log)]
    raise RuntimeError("Postfix or Dovecot did not start:\n" + "\n".join(tails))
