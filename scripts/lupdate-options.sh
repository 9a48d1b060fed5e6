# Sourced by the translation scripts: where lupdate is and how it reads the
# sources (trText and SONREL_TR_NOOP are the Qt-free core's translate calls).
LUPDATE=$(command -v /usr/lib/qt6/bin/lupdate || command -v lupdate6 || command -v lupdate || true)
[ -n "$LUPDATE" ] || { echo "lupdate not found: install qt6-l10n-tools" >&2; exit 1; }
LUPDATE_OPTIONS=(-silent -I src -locations none -no-obsolete -source-language ru_RU -target-language en_US
  -tr-function-alias "translate+=trText,QT_TRANSLATE_NOOP+=SONREL_TR_NOOP")
