#!/usr/bin/env bash
# Makes the seed corpora of tests/fuzz/corpus from the fixture pages, from
# pages, projects and histories that kestrova-sim and kestrova-cli of a
# default build produce, and from the documented file formats. The seeds are
# committed; run this again after a format changes and review the difference.
#   tests/fuzz/make-seeds.sh [BUILD_DIR]   (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/../.."
bin="${1:-build/default}"
cli="$bin/src/cli/kestrova-cli"
sim="$bin/tools/sim/kestrova-sim"
corpus=tests/fuzz/corpus
pages=tests/data/pages

work=$(mktemp -d)
# The programs keep their settings and data in the work folder, not the person's.
export KESTROVA_CONFIG_DIR="$work/config" KESTROVA_DATA_DIR="$work/data"
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"' EXIT
# Reproducers of earlier findings ("regress-*") stay; they are no seeds of this script.
find "$corpus" -type f ! -name 'regress-*' -delete 2>/dev/null || true
mkdir -p "$corpus"/{result_page,http_answer,project_file,settings_file,front_page,sim_scenario}
mkdir -p "$corpus"/{history_file,user_engines,result_rule}

# seed DIR NAME PREFIX-BYTES(printf form) [FILE...]: the bytes, then the files.
seed() {
  local dir="$1" name="$2" prefix="$3"
  shift 3
  { printf "$prefix"; cat "$@" </dev/null; } >"$corpus/$dir/$name"
}
crlf() { printf '%s\r\n' "$@"; }

# Catalogue index of every fixture page's engine (the order of `engines`).
engines=(aladin-de alles-klar-at alles-klar-de alltheweb alpavista altavista altavista-ca
         altavista-de anzwers aol arianna austria-www austronaut bellnet cest-trouve clarin
         directhit ecila euroseek excite excite-au excite-de excite-fr excite-it excite-uk google
         hotbot infoseek lycos msn northernlight snap webcrawler yahoo)
for i in "${!engines[@]}"; do
  name=${engines[$i]}
  seed result_page "$name" "\\x$(printf %02x "$i")\\x00" "$pages/$name.html"
done
seed result_page google-redirect '\x19\x81' "$pages/google-redirect.html"
seed result_page hotbot-redirect '\x1a\x02' "$pages/hotbot-redirect.html"
crlf "HTTP/1.0 302 Found" "Location: http://www.widgetworks.com/" "" >"$work/302"
crlf "HTTP/1.0 200 OK" "" >"$work/200"
seed result_page alles-klar-at-head '\x01\x00' "$pages/alles-klar-at.html" <(printf '\0HEAD\0') \
  "$work/302" <(printf '\0HEAD\0') "$work/200" <(printf '\0HEAD\0')

# The simulator's answers, as received.
"$sim" --port 0 --port-file "$work/port" --quiet >/dev/null 2>&1 &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
port=$(cat "$work/port")
fetch() {  # fetch ENGINE PAGE-INDEX OUT: the whole answer of a result page
  local url
  url=$("$cli" query-url --engine "$1" --keyword "rank checker" --page-index "$2" |
        awk '/^host:/ {h=$2} /^path:/ {p=$2} END {if (p !~ /^\//) p="/" p; print "http://" h p}')
  curl -s -i --http1.0 -x "127.0.0.1:$port" "$url" >"$3"
}
fetch Google 0 "$work/google.answer"
fetch "Alles Klar AT" 0 "$work/allesklar.answer"
fetch Yahoo 1 "$work/yahoo.answer"
seed result_page sim-yahoo '\x21\x01' "$work/yahoo.answer"
curl -s -i --http1.0 -I -x "127.0.0.1:$port" \
  "http://www.allesklar.at$(grep -o '/j?regio=26[^" ]*' "$work/allesklar.answer" | head -1)" \
  >"$work/allesklar.head"
curl -s -i --http1.0 -x "127.0.0.1:$port" "http://www.widgetworks.com/" >"$work/front.answer"

# HTTP answers: mode byte, piece-size seed, engine and depth byte, answers.
next() { printf '\0NEXT\0'; }
seed http_answer get-page '\x00\x07\x00' "$work/200" "$pages/snap.html"
seed http_answer post-page '\x41\x1d\x00' "$work/front.answer"
seed http_answer head-redirect '\x02\x03\x00' "$work/allesklar.head"
seed http_answer second-status '\x00\x05\x00' "$work/200" <(printf 'first') "$work/200"
seed http_answer timed-out-then-page '\x08\x09\x00' <(printf 'HTTP/1.0 200 OK\r\n') <(next) \
  "$work/200" "$pages/excite.html"
seed http_answer reset-mid-answer '\x04\x0b\x00' "$work/google.answer"
seed http_answer check-google '\x03\x11\x19' "$work/google.answer"
seed http_answer check-google-redirect '\x03\x13\x19' \
  <(crlf "HTTP/1.0 302 Found" "Location: http://mirror.www.google.com/search?q=bird+widgets" "") \
  <(next) "$work/google.answer"
seed http_answer check-https-redirect '\x03\x17\x19' \
  <(crlf "HTTP/1.0 302 Found" "Location: https://www.google.com:8443/search?q=bird" "") <(next) \
  <(printf '\x16\x03\x01\x00\x2a\x02\x00\x00\x26\x03\x03')
seed http_answer check-alles-klar '\x03\x19\x01' "$work/allesklar.answer" <(next) \
  "$work/allesklar.head" <(next) "$work/allesklar.head" <(next) "$work/302"

# Projects and their histories, ranked through the simulator.
"$cli" new "$work/empty.rnk" --domain www.widgetworks.com >/dev/null
"$cli" new "$work/ranked.rnk" --domain www.kestrova-demo.com --engines "Google,Yahoo,Alles Klar AT" \
  --keywords "rank checker,bird widgets" --depth 10 --timeout 2 --report-dir "$work/reports" \
  >/dev/null
"$cli" rank "$work/ranked.rnk" --proxy "127.0.0.1:$port" --yes >/dev/null 2>&1
"$cli" rank "$work/ranked.rnk" --proxy "127.0.0.1:$port" --yes --keyword "rank checker" \
  >/dev/null 2>&1
"$cli" analyze --file "$work/front.answer" --keyword widgets --project "$work/ranked.rnk" \
  >/dev/null
cp "$work/empty.rnk" "$work/ranked.rnk" "$corpus/project_file/"
sed '1s/01\.26/01.25/' "$work/ranked.rnk" >"$corpus/project_file/version-01.25.rnk"
sed '1s/01\.26/01.20/' "$work/ranked.rnk" >"$corpus/project_file/version-01.20.rnk"
cp "$work/ranked.rnk-history.db" "$corpus/history_file/ranked.db"
"$cli" new "$work/one.rnk" --domain www.kestrova-demo.com --engines Google --keywords "bird" \
  --depth 10 --timeout 2 --report-dir "$work/reports" >/dev/null
"$cli" rank "$work/one.rnk" --proxy "127.0.0.1:$port" --yes >/dev/null 2>&1
cp "$work/one.rnk-history.db" "$corpus/history_file/one-check.db"

# Settings files as the window writes them (Qt's INI form; a load creates every value).
k='Tarnwell\Kestrova\1.0'
{
  printf '%s\n' '[SOFTWARE]' "$k\\Application\\Setting\\Remember\\CheckAssociation=True" \
    "$k\\Application\\Setting\\Remember\\FirstTimeRun=True" "$k\\User\\Setting\\AgentIndex=\"3 \"" \
    "$k\\User\\Setting\\BoldRankingGrid=\"0 \"" \
    "$k\\User\\Setting\\CustomAgent=\"Mozilla/5.0 \\\"quoted\\\"; x=1\"" \
    "$k\\User\\Setting\\Domain=www.example.com"
  printf '%s\xc3\xa9t\xc3\xa9.rnk\n' "$k\\User\\Setting\\Files\\0=/home/me/Projects/widgets "
  printf '%s\n' "$k\\User\\Setting\\Files\\1=\"/home/me/a, b.rnk\"" "$k\\User\\Setting\\Files\\2=" \
    "$k\\User\\Setting\\Files\\3=" "$k\\User\\Setting\\Files\\4=" \
    "$k\\User\\Setting\\HttpProxy=proxy.example" "$k\\User\\Setting\\InterNet=" \
    "$k\\User\\Setting\\Jobs=\"4 \"" "$k\\User\\Setting\\PortProxy=8080" \
    "$k\\User\\Setting\\UseDirect=\"0 \"" "$k\\User\\Setting\\UseProxy=-1"
  printf '\0%s\n' '[RemoteAccess]' && printf '%s\n' 'InternetProfile=Dial-up'
  printf '\0%s\n' '[.rnk]' && printf '%s\n' '%40=kestrova' '' '[kestrova]' 'shell\open\command\%40=/usr/bin/kestrova %1'
} >"$corpus/settings_file/written"
seed settings_file empty ''
printf '%s\n' '[SOFTWARE]' 'Tarnwell\Kestrova\1.0\User\Setting\UseProxy="-1"' \
  'Tarnwell\Kestrova\1.0\User\Setting\HttpProxy=proxy.example, 8080' \
  'Tarnwell\Kestrova\1.0\User\Setting\AgentIndex=7 ' \
  'Tarnwell\Kestrova\1.0\User\Setting\CustomAgent=@Variant(\0\0\0\x7f\0\0\0\x6QPoint\0\0\0\0\x1)' \
  'Tarnwell\Kestrova\1.0\User\Setting\Files\0=/home/me/site \xe9.rnk' >"$corpus/settings_file/edited"

# Front pages: keyword-length byte (Stop after that many checks in the top bits), keyword, page.
seed front_page sim-front '\x07widgets' "$work/front.answer"
seed front_page stopped '\x67widgets' "$work/front.answer"
seed front_page result-page '\x04bird' "$work/200" "$pages/google.html"
seed front_page report '\x07Keyword' tests/data/reports/Log.html

# Scenarios.
"$sim" --print-demo-scenario >"$corpus/sim_scenario/demo.json"
awk '/^```json/ {on=1; next} /^```/ {if (on) exit} on' docs/simulator.md \
  >"$corpus/sim_scenario/documented.json"
printf '{"seed": 3, "placements": [{"engine": "*", "keyword": "caf\xc3\xa9", "rank": 1000, "url": "http://x/"}]}' \
  >"$corpus/sim_scenario/small.json"

# User engines files.
awk '/^```json/ {on=1; next} /^```/ {if (on) exit} on' docs/engines.md \
  >"$corpus/user_engines/documented.json"
sed 's/"port": 8080/"port": 0, "colour": 1/; s/%SEARCH_STRING%&seite/%SEARCH%&seite/' \
  "$corpus/user_engines/documented.json" >"$corpus/user_engines/problems.json"
printf '{"engines": [], "extra": true}' >"$corpus/user_engines/empty-list.json"

# XPath rules on pages: rule byte (0-223 a common rule, 224-255 the rule's line
# follows), page-index byte, then the page.
"$sim" --port 0 --port-file "$work/port2" --quiet --engines "$corpus/user_engines/documented.json" \
  >/dev/null 2>&1 &
sim2_pid=$!
for _ in $(seq 100); do [ -s "$work/port2" ] && break; sleep 0.1; done
port2=$(cat "$work/port2")
curl -s -i --http1.0 -x "127.0.0.1:$port2" \
  "http://search.searchly.example/search?q=bird+widgets" >"$work/searchly.answer"
curl -s -i --http1.0 -x "127.0.0.1:$port2" \
  "http://suche.suchfix.example:8080/s?q=bird+widgets&seite=1" >"$work/suchfix.answer"
kill "$sim2_pid"
seed result_rule searchly '\x01\x00' "$work/searchly.answer"
seed result_rule suchfix '\x03\x01' "$work/suchfix.answer"
seed result_rule any-link '\x00\x00' "$pages/lycos.html"
seed result_rule own-rule '\xe0\x02' <(printf '//td/a[contains(@href, "http")]/@href\n') \
  "$pages/excite.html"

du -sh "$corpus"
