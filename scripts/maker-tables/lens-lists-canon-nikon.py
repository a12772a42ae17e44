#!/usr/bin/env python3
# Writes the Canon and Nikon lens lists and Canon's model IDs from the
# public tag-name pages (ExifTool's tag documentation): each value row of
# the page's list becomes one row of our table, in the page's order. Not
# part of the build; run it again when the pages are refreshed:
#
#   scripts/maker-tables/lens-lists-canon-nikon.py /work/shared/reference/tagnames engine/makernote
import html
import re
import sys

pages, out = sys.argv[1], sys.argv[2]


def section(page, anchor):
    s = open(f"{pages}/{page}", encoding="utf-8").read()
    i = s.find(f"name='{anchor}'")
    j = s.find("</table>", i)
    return re.findall(r"<tr><td[^>]*>(.*?)</td><td>= (.*?)</td>", s[i:j])


def c_text(name):
    name = html.unescape(name)
    return '"' + name.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


canon = [(int(v), n) for v, n in section("Canon.html", "LensType") if int(v) >= 0]
rows = "\n".join(f"    {{{v}, {c_text(n)}}}," for v, n in canon)
write(f"{out}/lenses_canon.h", f"""// Canon's lens IDs (CameraSettings' LensType): the rows of "Canon LensType
// Values" on the public Canon tag-name page, in its order; the third-party
// lenses that share an ID with a Canon lens follow it. Written by
// scripts/maker-tables/lens-lists-canon-nikon.py.
#pragma once

#include "engine/makernote/lens_table.h"

namespace kelvane::maker {{

inline constexpr LensId kCanonLenses[] = {{
{rows}
}};

}}  // namespace kelvane::maker
""")

# The RF lenses: FileInfo's RFLensType (their CameraSettings LensType is
# one shared number).
s = open(f"{pages}/Canon.html", encoding="utf-8").read()
i = s.find("<td>RFLensType</td>")
j = s.find("</td></tr>", i)
rf = re.findall(r"(\d+) = ([^<]+)", s[i:j])
rows = "\n".join(f"    {{{v}, {c_text(n.strip())}}}," for v, n in rf if int(v) != 0)
write(f"{out}/lenses_canon_rf.h", f"""// Canon's RF lenses by FileInfo's RFLensType: the values of "RFLensType"
// in "Canon FileInfo Tags" on the public Canon tag-name page, in its
// order. Written by scripts/maker-tables/lens-lists-canon-nikon.py.
#pragma once

#include "engine/makernote/lens_table.h"

namespace kelvane::maker {{

inline constexpr LensId kCanonRfLenses[] = {{
{rows}
}};

}}  // namespace kelvane::maker
""")

nikon = []
for v, n in section("Nikon.html", "LensID"):
    digits = v.strip("'").split()
    nikon.append(("0x" + "".join(digits), n))
rows = "\n".join(f"    {{{v}, {c_text(n)}}}," for v, n in nikon)
s = open(f"{pages}/Nikon.html", encoding="utf-8").read()
i = s.find("name='LensData0800'")
i = s.find("<td>LensID</td>", i)
j = s.find("</td></tr>", i)
z = re.findall(r"(\d+) = ([^<]+)", s[i:j])
z_rows = "\n".join(f"    {{{v}, {c_text(n.strip())}}}," for v, n in z)
write(f"{out}/lenses_nikon.h", f"""// Nikon's lens IDs: the 8-byte composite of LensData's LensIDNumber,
// LensFStops, MinFocalLength, MaxFocalLength, MaxApertureAtMinFocal,
// MaxApertureAtMaxFocal, MCUVersion and the note's LensType, first byte
// highest. The rows of "Nikon LensID Values" on the public Nikon tag-name
// page, in its order. Written by scripts/maker-tables/lens-lists-canon-nikon.py.
#pragma once

#include "engine/makernote/lens_table.h"

namespace kelvane::maker {{

inline constexpr LensId64 kNikonLenses[] = {{
{rows}
}};

// Nikkor Z lenses by LensData 0800's LensID: its values in "Nikon
// LensData0800 Tags".
inline constexpr LensId kNikonZLenses[] = {{
{z_rows}
}};

}}  // namespace kelvane::maker
""")

models = [(v, n) for v, n in section("Canon.html", "CanonModelID")]
rows = "\n".join(f"    {{{v}, {c_text(n)}}}," for v, n in models)
write(f"{out}/canon_models.h", f"""// Canon's model IDs (tag 0x0010): the rows of "Canon CanonModelID Values"
// on the public Canon tag-name page, in its order. Written by
// scripts/maker-tables/lens-lists-canon-nikon.py.
#pragma once

#include "engine/text/vocabulary.h"

namespace kelvane::maker {{

inline constexpr CodeText kCanonModels[] = {{
{rows}
}};

}}  // namespace kelvane::maker
""")
