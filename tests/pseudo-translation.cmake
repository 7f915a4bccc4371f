# Writes a pseudo-translation: every message of IN (a .ts file) translated as
# its source in brackets ("&File" -> "[&File]"), into OUT, for language LANG.
# Rewritten only when it changes, so that a configure run rebuilds nothing.
file(READ "${IN}" ts)
string(REGEX REPLACE "language=\"[^\"]*\"" "language=\"${LANG}\"" ts "${ts}")
string(REGEX REPLACE
    "<source>([^<]*)</source>([ \t\r\n]*(<comment>[^<]*</comment>[ \t\r\n]*)?)<translation[^>]*>[^<]*</translation>"
    "<source>\\1</source>\\2<translation>[\\1]</translation>" ts "${ts}")
file(WRITE "${OUT}.new" "${ts}")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
