#!/usr/bin/env bash
# Writes the files of a private ngircd into FOLDER: its configuration (listening
# on 127.0.0.1:PORT), its message of the day and its pid folder. Everything is
# world-readable, since ngircd started as root runs as nobody.
#
#   ngircd-config.sh FOLDER PORT [--password WORD] [--look-up] [--tls PORT]
#
# --password  every client must send PASS WORD
# --look-up   ngircd resolves names and asks the client's ident port (113)
# --tls       also listen for TLS on PORT, with cert.pem, key.pem and dh.pem
#             from FOLDER
# The server asks for a PING at every sign-on and allows any number of
# connections from one address.
set -euo pipefail
folder=$1
port=$2
shift 2
password="" look_up=no tls=""
while [ $# -gt 0 ]; do
    case "$1" in
        --password) password=$2; shift 2 ;;
        --look-up) look_up=yes; shift ;;
        --tls) tls=$'[SSL]\nCertFile = '"$folder/cert.pem"$'\nKeyFile = '"$folder/key.pem"$'\nDHFile = '"$folder/dh.pem"$'\nPorts = '"$2"$'\n'; shift 2 ;;
        *) echo "ngircd-config.sh: unknown option $1" >&2; exit 2 ;;
    esac
done

chmod 755 "$folder"
mkdir -p "$folder/run"
chmod 777 "$folder/run"
echo "Welcome to the VuviVAZ test server" > "$folder/ngircd.motd"
cat > "$folder/ngircd.conf" <<CONF
[Global]
Name = irc.test.local
Info = VuviVAZ integration test server
AdminInfo1 = test
AdminInfo2 = test
AdminEMail = test@localhost
Listen = 127.0.0.1
Ports = $port
MotdFile = $folder/ngircd.motd
PidFile = $folder/run/ngircd.pid
${password:+Password = $password}
[Limits]
MaxConnectionsIP = 0
PingTimeout = 120
PongTimeout = 20
[Options]
DNS = $look_up
Ident = $look_up
PAM = no
RequireAuthPing = yes
$tls
CONF
chmod 644 "$folder/ngircd.motd" "$folder/ngircd.conf"
