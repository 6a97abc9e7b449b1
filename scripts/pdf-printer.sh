#!/usr/bin/env bash
# A real printer for trying printing by hand: CUPS with the cups-pdf driver,
# installed when missing, started here and made the default printer "PDF".
# The printed files land in ~/PDF (cups-pdf's own folder for the user).
#   scripts/pdf-printer.sh        start (idempotent)
#   scripts/pdf-printer.sh stop   stop the CUPS daemon started here
set -euo pipefail

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

if [ "${1:-}" = "stop" ]; then
  $SUDO pkill -x cupsd || true
  exit 0
fi

missing=()
for p in cups cups-client printer-driver-cups-pdf; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# No init system in containers: the daemon runs in the background by itself.
if ! pgrep -x cupsd >/dev/null; then
  $SUDO cupsd
fi
for _ in $(seq 50); do
  lpstat -r 2>/dev/null | grep -q "is running" && break
  sleep 0.2
done

if ! lpstat -p PDF >/dev/null 2>&1; then
  ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')
  [ -n "$ppd" ] || ppd="lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"
  $SUDO lpadmin -p PDF -v cups-pdf:/ -m "$ppd" -E
fi
$SUDO lpadmin -d PDF
$SUDO cupsenable PDF
$SUDO cupsaccept PDF
lpstat -d
echo "Printed pages are written to ${HOME}/PDF (see /etc/cups/cups-pdf.conf, Out)."
