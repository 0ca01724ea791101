#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""The shared library exports exactly the functions the public headers
declare (the header and those it includes beside it): nothing else (no C++
internals, no helpers), and none missing."""

import os
import re
import subprocess
import sys

library, header = sys.argv[1], sys.argv[2]

nm = subprocess.run(["nm", "-D", "--defined-only", library], check=True, capture_output=True, text=True)
exported = {line.split()[-1] for line in nm.stdout.splitlines() if line.strip()}

text = open(header, encoding="utf-8").read()
for included in re.findall(r'#include "([^"]+)"', text):
    text += open(os.path.join(os.path.dirname(header), included), encoding="utf-8").read()
declared = set(re.findall(r"TAVREL_MODEL_API\s[^;]*?\b(tavrel_model_\w+)\s*\(", text))
declared |= {name + "_get_type" for name in re.findall(
    r"TAVREL_MODEL_DECLARE_(?:DERIVABLE|INTERFACE)\s*\(\s*\w+\s*,\s*(tavrel_model_\w+)", text)}

failed = False
for name in sorted(exported - declared):
    print(f"exported but not declared in the header: {name}")
    failed = True
for name in sorted(declared - exported):
    print(f"declared in the header but not exported: {name}")
    failed = True
print(f"{len(exported)} exported functions checked")
sys.exit(1 if failed else 0)
