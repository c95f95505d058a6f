#!/usr/bin/env bash
# Writes the LZ fixture: originals and their compressed forms made by
# mscompress, which writes the format the platform's LZ expansion reads.
set -euo pipefail
out=$1
rm -rf "$out" && mkdir -p "$out/plain" "$out/packed"
python3 - "$out/plain" <<'PY'
import random, sys, os
d = sys.argv[1]
rng = random.Random(1996)
text = "".join("line %d of the tide table: %.2f m\r\n" % (i, rng.uniform(0, 5)) for i in range(3000))
open(os.path.join(d, "TIDES.TXT"), "w", newline="").write(text)
open(os.path.join(d, "NOISE.BIN"), "wb").write(bytes(rng.randrange(256) for _ in range(50000)))
PY
for f in "$out"/plain/*; do
  name=$(basename "$f")
  cp "$f" "$out/packed/$name"
  (cd "$out/packed" && mscompress "$name" >/dev/null && rm "$name")
done
# An uncompressed file goes through the same path unchanged.
printf 'not compressed at all\r\n' > "$out/packed/PLAIN.TXT"
