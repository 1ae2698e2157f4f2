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

# Run in a folder of the user's (the working directory): a quote made from lines.csv there
# into q.tquote there, the gases found by name without a Gases.mdb there, and the quote opened
# in the window by its relative name.
check_files_named_by_the_user() {  # <program> <inspector>
  local program=$1 inspector=$2 out
  printf 'part_number,quantity\nA310-MX2-2A-MXFX-VS,2\nJ310-MX2-2A-MXFX-VS-BK-LS,1\n' >lines.csv
  "$program" --quote lines.csv --output q.tquote || { echo "--quote lines.csv --output q.tquote failed"; return 1; }
  [[ -s q.tquote ]] || { echo "q.tquote not written in $PWD"; return 1; }
  "$program" --flow --method catalogue --gas Nitrogen --temperature-f 70 --inlet-psig 100 --outlet-psig 80 \
    --cv 0.23 >flow.csv || { echo "--flow --gas Nitrogen did not find the gases from $PWD"; return 1; }
  out=$(QT_QPA_PLATFORM=offscreen LD_PRELOAD="$inspector" timeout 30 "$program" q.tquote)
  grep -qx "quote-file=$PWD/q.tquote" <<<"$out" && grep -qx 'quote-lines=2' <<<"$out" ||
    { echo "q.tquote not opened in the quote's window:"; echo "$out"; return 1; }
}
