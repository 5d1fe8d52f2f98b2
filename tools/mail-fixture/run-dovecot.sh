#!/usr/bin/env bash
# A private Dovecot for trying the mail panel without a mail provider: POP3 and IMAP, each
# plain (with STARTTLS) and over TLS, on loopback ports, with a certificate authority and a
# server certificate of its own and a few messages. It runs in the foreground; Ctrl+C stops
# it. The tests start it the same way.
#
#   sudo tools/mail-fixture/run-dovecot.sh [--dir DIR] [--ports POP3,POP3S,IMAP,IMAPS]
#                                          [--user NAME:PASSWORD:MESSAGES:SEEN]...
#
# Defaults: a new folder under /tmp, ports 10110,10995,10143,10993, and the user "ann" with
# password "secret" and three messages, one of them already read. In an existing folder the
# certificates are kept; delete srv.pem there to get a new server certificate.
set -euo pipefail

dir="" ports="10110,10995,10143,10993" users=()
while [ $# -gt 0 ]; do
    case "$1" in
        --dir) dir=$2; shift 2 ;;
        --ports) ports=$2; shift 2 ;;
        --user) users+=("$2"); shift 2 ;;
        *) echo "run-dovecot.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done
[ ${#users[@]} -gt 0 ] || users=("ann:secret:3:1")
[ "$(id -u)" -eq 0 ] || { echo "run-dovecot.sh: Dovecot needs root to switch to its mail user; run it with sudo" >&2; exit 1; }
export PATH="$PATH:/usr/sbin:/sbin"
command -v dovecot >/dev/null || { echo "run-dovecot.sh: dovecot is not installed (scripts/deps.sh installs it)" >&2; exit 1; }
IFS=, read -r pop3 pop3s imap imaps <<<"$ports"
[ -n "$dir" ] || dir=$(mktemp -d /tmp/orvane-dovecot.XXXXXX)
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
# The login processes run as other users and must reach the folder.
chmod 755 "$dir"
cd "$dir"

if [ ! -f ca.pem ]; then
    openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 30 \
        -subj "/CN=Orvane Mail Fixture CA" 2>/dev/null
fi
if [ ! -f srv.pem ]; then
    openssl req -newkey rsa:2048 -nodes -keyout srv.key -out srv.csr -subj "/CN=127.0.0.1" 2>/dev/null
    printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\n' >ext.cnf
    openssl x509 -req -in srv.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out srv.pem \
        -days 30 -extfile ext.cnf 2>/dev/null
    chmod 644 srv.key
fi

: >users
rm -rf mail
for account in "${users[@]}"; do
    IFS=: read -r name password count seen <<<"$account"
    printf '%s:{PLAIN}%s\n' "$name" "$password" >>users
    box="mail/$name"
    mkdir -p "$box/new" "$box/cur" "$box/tmp"
    for ((i = 0; i < ${count:-0}; i++)); do
        # Read messages lie in cur/ with the Seen flag; the rest are new.
        file="$box/new/100$i.M${i}P1.fixture"
        [ "$i" -lt "${seen:-0}" ] && file="$box/cur/100$i.M${i}P1.fixture:2,S"
        printf 'From: fixture@example.test\r\nSubject: Message %d\r\n\r\nHello.\r\n' "$i" >"$file"
    done
done
# Mail users may not be root.
chown -R nobody:nogroup mail

cat >dovecot.conf <<CONF
instance_name = orvane-mail-$pop3
base_dir = $dir/run
state_dir = $dir/state
log_path = $dir/dovecot.log
protocols = pop3 imap
listen = 127.0.0.1
ssl = required
ssl_cert = <$dir/srv.pem
ssl_key = <$dir/srv.key
disable_plaintext_auth = yes
auth_mechanisms = plain
auth_failure_delay = 0
default_internal_user = dovecot
default_login_user = dovenull
mail_location = maildir:$dir/mail/%u
passdb {
  driver = passwd-file
  args = $dir/users
}
userdb {
  driver = static
  args = uid=nobody gid=nogroup home=$dir/mail/%u
}
service pop3-login {
  inet_listener pop3 {
    port = $pop3
  }
  inet_listener pop3s {
    port = $pop3s
  }
}
service imap-login {
  inet_listener imap {
    port = $imap
  }
  inet_listener imaps {
    port = $imaps
  }
}
service anvil {
  unix_listener anvil-auth-penalty {
    mode = 0
  }
}
CONF

cat >&2 <<INFO
Private Dovecot in $dir
  POP3  127.0.0.1:$pop3 (STARTTLS)   POP3S 127.0.0.1:$pop3s (SSL/TLS)
  IMAP  127.0.0.1:$imap (STARTTLS)   IMAPS 127.0.0.1:$imaps (SSL/TLS)
  users: ${users[*]} (name:password:messages:read)
  certificate authority: $dir/ca.pem
  server certificate $(openssl x509 -in srv.pem -noout -fingerprint -sha256)
INFO
exec dovecot -F -c "$dir/dovecot.conf"
