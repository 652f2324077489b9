#!/usr/bin/env bash
# Makes the certificates of the HTTPS tests in DIR: two certificate authorities
# (ca.pem, which the tests trust, and other-ca.pem, which they do not), a server
# certificate for 127.0.0.1 and localhost from each (server.pem/.key,
# other-server.pem/.key), and one from ca.pem for another name (wrong-name.pem/.key).
# Short-lived EC keys: quick to make, never worth keeping.
set -euo pipefail
dir=$1
cd "$dir"
q() { "$@" >/dev/null 2>&1; }

authority() {  # NAME
  q openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
    -keyout "$1.key" -out "$1.pem" -days 2 -subj "/CN=$1 for the tests" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign
}

server() {  # NAME AUTHORITY SUBJECT_ALT_NAMES
  q openssl req -new -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
    -keyout "$1.key" -out "$1.csr" -subj "/CN=$1"
  printf 'subjectAltName=%s\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n' "$3" >"$1.ext"
  q openssl x509 -req -in "$1.csr" -CA "$2.pem" -CAkey "$2.key" -CAcreateserial \
    -out "$1.pem" -days 2 -extfile "$1.ext"
}

authority ca
authority other-ca
server server ca "IP:127.0.0.1,DNS:localhost"
server other-server other-ca "IP:127.0.0.1,DNS:localhost"
server wrong-name ca "DNS:elsewhere.test"
