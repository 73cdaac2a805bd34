# table_bytes OBJECT NAME...: lists the size of each named data symbol the
# object defines and leaves their sum in $bytes; nm is used because sizeof
# would need the declarations each generator keeps private.
table_bytes() {
  local object=$1
  shift
  local name value size type symbol
  local -A sizes=()
  bytes=0
  while read -r value size type symbol; do
    [ -n "$symbol" ] && sizes[$symbol]=$((16#$size))
  done < <(nm -S "$object")
  for name in "$@"; do
    if [ -n "${sizes[$name]:-}" ]; then
      echo "  $name ${sizes[$name]}"
      bytes=$((bytes + sizes[$name]))
    fi
  done
  echo "  total $bytes bytes"
}
