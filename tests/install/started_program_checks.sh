# What a started copy of the program must show, from the lines the window inspector prints.
# Sourced by the install and package tests; each function prints why it fails.

# The start picture was asked for and loaded, and the gas list holds this many gases.
check_picture_and_gases() {  # <inspector output> <expected gas count>
  local out=$1 expected=$2 gases
  grep -qx 'picture=MX2 Valves.jpg' <<<"$out" || { echo "start picture not requested"; return 1; }
  grep -qx 'loaded=1' <<<"$out" || { echo "start picture not loaded"; return 1; }
  gases=$(sed -n 's/^gases=//p' <<<"$out")
  [[ "$gases" == "$expected" ]] || { echo "gas list holds ${gases:-no} gases, not $expected"; return 1; }
}

# Every document button found its document, and the documents it found are exactly the PDF
# files in the program's own folder.
check_documents_beside_program() {  # <inspector output> <program folder>
  local out=$1 folder buttons opened shipped
  folder=$(readlink -f "$2")
  buttons=$(sed -n 's/^document-buttons=//p' <<<"$out")
  [[ "${buttons:-0}" -gt 0 ]] || { echo "no document buttons found"; return 1; }
  opened=$(sed -n 's/^document=//p' <<<"$out" | sort)
  [[ $(grep -c . <<<"$opened") -eq "$buttons" ]] ||
    { echo "only $(grep -c . <<<"$opened") of $buttons documents found:"; echo "$opened"; return 1; }
  shipped=$(find "$folder" -maxdepth 1 -name '*.pdf' | sort)
  [[ "$opened" == "$shipped" ]] ||
    { echo "documents opened differ from those in $folder:"; diff <(echo "$opened") <(echo "$shipped"); return 1; }
}
