#!/usr/bin/env bash
# The snapshot mode's index page in a real browser (headless Chromium): every picture loads
# (naturalWidth > 0, at the window's client size) and stands in a figure with its caption.
# A copy of the page with one picture missing must be reported broken, so the probe is known to
# see a failure. Writes the page's screenshot as index_page.png into the working folder.
# Exit 77 (skipped) when Chromium is not installed.
# usage: index_page.sh GRAPH_GALLERY
set -u
program=$1
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "SKIP: chromium is not installed (Debian package chromium)"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$program" --out "$work/site" >/dev/null 2>&1 || { echo "FAIL: --out failed"; exit 1; }
expected=$(grep -c '<img ' "$work/site/index.html")
[ "$expected" -gt 0 ] || { echo "FAIL: the index page shows no picture"; exit 1; }

# The probe: the page itself with a script that, once everything has loaded, writes what it
# found into the page for --dump-dom.
probe='<script>
window.addEventListener("load", function () {
  var images = Array.prototype.slice.call(document.images);
  var sized = images.filter(function (i) {
    return i.complete && i.naturalWidth === 632 && i.naturalHeight === 453;
  });
  var broken = images.filter(function (i) { return !(i.complete && i.naturalWidth > 0); })
      .map(function (i) { return i.getAttribute("src"); });
  var captioned = Array.prototype.slice.call(document.querySelectorAll("figure"))
      .filter(function (f) {
        var c = f.querySelector("figcaption");
        return f.querySelector("img") && c && c.textContent.trim().length > 0;
      });
  var result = document.createElement("pre");
  result.id = "probe";
  result.textContent = "images=" + images.length + " sized=" + sized.length + " captioned=" +
      captioned.length + " broken=[" + broken.join(",") + "]";
  document.body.appendChild(result);
});
</script>'
make_probe() {  # FOLDER: writes FOLDER/probe.html from FOLDER/index.html
  local page="$1/index.html"
  awk -v probe="$probe" '/<\/body>/ { print probe } { print }' "$page" >"$1/probe.html"
}
run_browser() {  # URL EXTRA-ARGUMENTS...
  local url=$1
  shift
  timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-background-networking \
    --disable-component-update --disable-sync --no-first-run \
    --user-data-dir="$(mktemp -d -p "$work")" --virtual-time-budget=10000 "$@" "$url" \
    2>>"$work/browser.log"
}
probe_result() {  # FOLDER
  make_probe "$1"
  run_browser "file://$1/probe.html" --dump-dom | grep -o '<pre id="probe">[^<]*' |
    sed 's/^<pre id="probe">//'
}

result=$(probe_result "$work/site")
echo "page: $result"
[ "$result" = "images=$expected sized=$expected captioned=$expected broken=[]" ] ||
  fail "not every picture loaded with its caption: ${result:-no result}"

# The same page with one picture gone: the probe must see it.
cp -r "$work/site" "$work/damaged"
missing=$(ls "$work/damaged" | grep '\.png$' | head -1)
rm "$work/damaged/$missing"
result=$(probe_result "$work/damaged")
echo "damaged page: $result"
[ "$result" = "images=$expected sized=$((expected - 1)) captioned=$expected broken=[$missing]" ] ||
  fail "a missing picture is not reported: ${result:-no result}"

run_browser "file://$work/site/index.html" --screenshot="$PWD/index_page.png" \
  --window-size=1400,3000 >/dev/null
[ -s "$PWD/index_page.png" ] || fail "no screenshot of the page"

if [ $failures -ne 0 ]; then tail -20 "$work/browser.log"; fi
if [ $failures -eq 0 ]; then echo "graph_gallery index page: every check holds"; fi
[ $failures -eq 0 ]
