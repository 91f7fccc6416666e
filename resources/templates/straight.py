"""Straight heat pipe: one coil whose tubes run through the supply and the extract
airstream side by side, split by a centre flange. Horizontal units have their
tubes across the page; vertical units along it, the supply section at the bottom.

Bookmarks: OverallHeight, OverallWidth, OverallDepth, SupplyAir, ExtractAir,
FinnedLength, FlangeWidth1/2 (flanges along the tubes), CentreFlangeWidth1/2 (the
two halves of the centre flange), FlangeDepth1/2 (the end plates)."""

from gadrawing import Sheet
from gapackage import frame

FLANGE_HOLE_R = 0.6


def airflow_symbol(s: Sheet, cx, cy, into_page: bool):
    """A circle with a cross (air going away from the viewer) or a dot (towards)."""
    s.circle(cx, cy, 2.2, "medium")
    if into_page:
        s.line(cx - 1.55, cy - 1.55, cx + 1.55, cy + 1.55, "medium")
        s.line(cx - 1.55, cy + 1.55, cx + 1.55, cy - 1.55, "medium")
    else:
        s.solids.append([(cx + 0.6 * dx, cy + 0.6 * dy) for dx, dy in
                         [(1, 0), (0.7, 0.7), (0, 1), (-0.7, 0.7), (-1, 0), (-0.7, -0.7), (0, -1), (0.7, -0.7)]])


def section_label(s: Sheet, cx, cy, text, into_page):
    s.text(cx + 3, cy, 24, 3.6, text, size=6.5, bold=True, background=True)
    airflow_symbol(s, cx - 13, cy, into_page)


def holes_along(s: Sheet, x1, y1, x2, y2, pitch=14.0):
    length = max(abs(x2 - x1), abs(y2 - y1))
    n = max(int(length / pitch), 1)
    for i in range(n + 1):
        s.circle(x1 + (x2 - x1) * i / n, y1 + (y2 - y1) * i / n, FLANGE_HOLE_R, "thin")


def horizontal(drainpan: bool) -> Sheet:
    s = Sheet()
    x0, w, y0, h = 30.0, 165.0, 32.0, 70.0
    fd, fw, cf = 10.0, 9.0, 6.0  # end plate, flange, half centre flange (drawn mm)
    finned = w - 2 * fd
    sa = ea = (finned - 2 * cf) / 2
    xs0, xs1 = x0 + fd, x0 + fd + sa
    xc = xs1 + cf
    xe0, xe1 = xs1 + 2 * cf, x0 + w - fd
    yf0, yf1 = y0 + fw, y0 + h - fw

    # Front view, in the direction of the supply air.
    s.fins(xs0, yf0, sa, yf1 - yf0)
    s.fins(xe0, yf0, ea, yf1 - yf0)
    s.fill_rect(xs1, y0, 2 * cf, h, "F2F2F2")
    s.rect(x0, y0, w, h, "thick")
    for x in (xs0, xe1, xs1, xe0):
        s.line(x, y0, x, y0 + h, "medium")
    for y in (yf0, yf1):
        s.line(xs0, y, xs1, y, "medium")
        s.line(xe0, y, xe1, y, "medium")
    s.line(xc, y0 - 4, xc, y0 + h + 4, "centre")
    holes_along(s, xs0 + 4, y0 + fw / 2, xs1 - 4, y0 + fw / 2)
    holes_along(s, xe0 + 4, y0 + fw / 2, xe1 - 4, y0 + fw / 2)
    holes_along(s, xs0 + 4, y0 + h - fw / 2, xs1 - 4, y0 + h - fw / 2)
    holes_along(s, xe0 + 4, y0 + h - fw / 2, xe1 - 4, y0 + h - fw / 2)
    holes_along(s, x0 + fd / 2, y0 + 5, x0 + fd / 2, y0 + h - 5)
    holes_along(s, x0 + w - fd / 2, y0 + 5, x0 + w - fd / 2, y0 + h - 5)
    section_label(s, (xs0 + xs1) / 2, y0 + h / 2 - 8, "SUPPLY AIR", True)
    section_label(s, (xe0 + xe1) / 2, y0 + h / 2 - 8, "EXTRACT AIR", False)
    s.text((xs0 + xs1) / 2, y0 + h / 2 + 8, 30, 3.2, "PRECOOL SECTION", size=5.5, background=True)
    s.text((xe0 + xe1) / 2, y0 + h / 2 + 8, 30, 3.2, "REHEAT SECTION", size=5.5, background=True)

    bottom = y0 + h
    if drainpan:
        pan = 6.0
        s.fill_rect(x0 - 1, bottom, xc - x0 + 1, pan, "DCE6F0")
        s.poly([(x0 - 1, bottom), (x0 - 1, bottom + pan), (xc, bottom + pan), (xc, bottom)], "medium")
        s.rect(x0 - 9, bottom + 2.2, 8, 2.6, "medium")
        s.text(x0 - 5, bottom + 9.5, 16, 3, "DRAIN", size=5.5)
        s.line(x0 + 30, bottom + 3, x0 + 40, bottom + 13, "thin")
        s.arrowhead(x0 + 30, bottom + 3, -1, -1, length=2.0, half=0.5)
        s.text(x0 + 52, bottom + 13, 24, 3.2, "DRAINPAN", size=5.5, align="l")
        bottom += pan + 6

    # Dimensions of the front view.
    s.dim_h(x0, xs0, y0 + h, bottom + 8, "FlangeDepth1", text_side=-1)
    s.dim_h(xs0, xs1, y0 + h, bottom + 8, "SupplyAir")
    s.dim_h(xe0, xe1, y0 + h, bottom + 8, "ExtractAir")
    s.dim_h(xe1, x0 + w, y0 + h, bottom + 8, "FlangeDepth2", text_side=1)
    s.dim_h(xs0, xe1, y0 + h, bottom + 16, "FinnedLength")
    s.dim_h(x0, x0 + w, y0 + h, bottom + 24, "OverallWidth")
    s.dim_h(xs1, xc, y0, y0 - 9, "CentreFlangeWidth1", text_side=-1)
    s.dim_h(xc, xe0, y0, y0 - 9, "CentreFlangeWidth2", text_side=1)
    s.dim_v(y0, yf0, x0 + w, x0 + w + 8, "FlangeWidth1", text_side=1)
    s.dim_v(yf1, y0 + h, x0 + w, x0 + w + 8, "FlangeWidth2", text_side=1)
    s.dim_v(y0, y0 + h, x0, x0 - 9, "OverallHeight")
    s.text(x0 + w / 2, bottom + 32, 80, 4, "FRONT VIEW (IN DIRECTION OF SUPPLY AIR)", size=7, bold=True)

    # End view on the supply end plate: tube ends, flanges, depth.
    ex, d = 233.0, 30.0
    s.fill_rect(ex, y0, d, h, "F7F7F7")
    s.rect(ex, y0, d, h, "thick")
    s.line(ex, yf0, ex + d, yf0, "medium")
    s.line(ex, yf1, ex + d, yf1, "medium")
    rows, pitch = 4, 4.3
    tubes = int((yf1 - yf0 - 3) / pitch)
    for r in range(rows):
        cx = ex + d / 2 + (r - (rows - 1) / 2) * 5.0
        offset = pitch / 2 if r % 2 else 0.0
        for t in range(tubes):
            cy = yf0 + 2.5 + offset + t * pitch
            if cy < yf1 - 2:
                s.circle(cx, cy, 1.2, "thin")
    s.line(ex - 4, y0 + h / 2, ex + d + 4, y0 + h / 2, "centre")
    if drainpan:
        s.fill_rect(ex - 2, y0 + h, d + 4, 6, "DCE6F0")
        s.rect(ex - 2, y0 + h, d + 4, 6, "medium")
        s.circle(ex + d / 2, y0 + h + 3, 1.3, "medium")
    s.dim_h(ex, ex + d, y0 + h, bottom + 8, "OverallDepth")
    s.flow_arrow(ex - 6, bottom + 18, ex + d + 6, bottom + 18, "SUPPLY AIR", (ex + d / 2, bottom + 15))
    s.flow_arrow(ex + d + 6, bottom + 26, ex - 6, bottom + 26, "EXTRACT AIR", (ex + d / 2, bottom + 23))
    s.text(ex + d / 2, bottom + 32, 40, 4, "END VIEW", size=7, bold=True)
    return s


def vertical(drainpan: bool) -> Sheet:
    s = Sheet()
    x0, w, y0, h = 55.0, 70.0, 20.0, 98.0  # w across the tubes (height), h along them
    fd, fw, cf = 8.0, 9.0, 6.0
    finned = h - 2 * fd
    sa = ea = (finned - 2 * cf) / 2
    ye0, ye1 = y0 + fd, y0 + fd + ea          # extract section above
    yc = ye1 + cf
    ys0, ys1 = ye1 + 2 * cf, y0 + h - fd      # supply section below
    xf0, xf1 = x0 + fw, x0 + w - fw

    s.fins(xf0, ye0, xf1 - xf0, ea, vertical=False)
    s.fins(xf0, ys0, xf1 - xf0, sa, vertical=False)
    s.fill_rect(x0, ye1, w, 2 * cf, "F2F2F2")
    s.rect(x0, y0, w, h, "thick")
    for y in (ye0, ys1, ye1, ys0):
        s.line(x0, y, x0 + w, y, "medium")
    for x in (xf0, xf1):
        s.line(x, ye0, x, ye1, "medium")
        s.line(x, ys0, x, ys1, "medium")
    s.line(x0 - 4, yc, x0 + w + 4, yc, "centre")
    holes_along(s, x0 + fw / 2, ye0 + 4, x0 + fw / 2, ye1 - 4)
    holes_along(s, x0 + fw / 2, ys0 + 4, x0 + fw / 2, ys1 - 4)
    holes_along(s, x0 + w - fw / 2, ye0 + 4, x0 + w - fw / 2, ye1 - 4)
    holes_along(s, x0 + w - fw / 2, ys0 + 4, x0 + w - fw / 2, ys1 - 4)
    holes_along(s, x0 + 5, y0 + fd / 2, x0 + w - 5, y0 + fd / 2)
    holes_along(s, x0 + 5, y0 + h - fd / 2, x0 + w - 5, y0 + h - fd / 2)
    section_label(s, x0 + w / 2 + 2, (ys0 + ys1) / 2 - 5, "SUPPLY AIR", True)
    section_label(s, x0 + w / 2 + 2, (ye0 + ye1) / 2 - 5, "EXTRACT AIR", False)
    s.text(x0 + w / 2, (ys0 + ys1) / 2 + 5, 30, 3.2, "PRECOOL SECTION", size=5.5, background=True)
    s.text(x0 + w / 2, (ye0 + ye1) / 2 + 5, 30, 3.2, "REHEAT SECTION", size=5.5, background=True)

    bottom = y0 + h
    if drainpan:
        pan = 6.0
        s.fill_rect(x0 - 2, bottom, w + 4, pan, "DCE6F0")
        s.rect(x0 - 2, bottom, w + 4, pan, "medium")
        s.rect(x0 + w + 2, bottom + 2.2, 8, 2.6, "medium")
        s.text(x0 + w + 16, bottom + 3.5, 12, 3, "DRAIN", size=5.5, align="l")
        s.text(x0 + 18, bottom + 3, 24, 3, "DRAINPAN", size=5.5, background=True)
        bottom += pan

    s.dim_v(y0, ye0, x0 + w, x0 + w + 9, "FlangeDepth1", text_side=1)
    s.dim_v(ye0, ye1, x0 + w, x0 + w + 9, "ExtractAir")
    s.dim_v(ys0, ys1, x0 + w, x0 + w + 9, "SupplyAir")
    s.dim_v(ys1, y0 + h, x0 + w, x0 + w + 9, "FlangeDepth2", text_side=1)
    s.dim_v(ye0, ys1, x0 + w, x0 + w + 24, "FinnedLength")
    s.dim_v(y0, y0 + h, x0 + w, x0 + w + 38, "OverallWidth")
    s.dim_v(ye1, yc, x0, x0 - 9, "CentreFlangeWidth1", text_side=-1)
    s.dim_v(yc, ys0, x0, x0 - 9, "CentreFlangeWidth2", text_side=-1)
    s.dim_h(x0, xf0, y0 + h, bottom + 8, "FlangeWidth1", text_side=-1)
    s.dim_h(xf1, x0 + w, y0 + h, bottom + 8, "FlangeWidth2", text_side=1)
    s.dim_h(x0, x0 + w, y0 + h, bottom + 17, "OverallHeight")
    s.text(x0 + w / 2 + 10, bottom + 25, 90, 4, "FRONT VIEW (IN DIRECTION OF SUPPLY AIR)", size=7, bold=True)

    # Side view: depth across, tubes upright (hidden behind the side flanges).
    ex, d = 205.0, 30.0
    s.fill_rect(ex, y0, d, h, "F7F7F7")
    s.rect(ex, y0, d, h, "thick")
    for y in (ye0, ye1, ys0, ys1):
        s.line(ex, y, ex + d, y, "medium")
    for r in range(4):
        x = ex + d / 2 + (r - 1.5) * 5.0
        s.line(x, ye0, x, ys1, "hidden")
    if drainpan:
        s.fill_rect(ex - 2, y0 + h, d + 4, 6, "DCE6F0")
        s.rect(ex - 2, y0 + h, d + 4, 6, "medium")
    s.dim_h(ex, ex + d, y0 + h, bottom + 8, "OverallDepth")
    s.flow_arrow(ex - 22, (ys0 + ys1) / 2, ex - 3, (ys0 + ys1) / 2, "SUPPLY AIR", (ex - 13, (ys0 + ys1) / 2 - 3.5))
    s.flow_arrow(ex + d + 22, (ye0 + ye1) / 2, ex + d + 3, (ye0 + ye1) / 2, "EXTRACT AIR",
                 (ex + d + 13, (ye0 + ye1) / 2 - 3.5))
    s.text(ex + d / 2, bottom + 17, 40, 4, "SIDE VIEW", size=7, bold=True)
    return s


def templates():
    """(file name, title, sheet) for the four straight templates."""
    out = []
    for orientation, draw in (("Horizontal", horizontal), ("Vertical", vertical)):
        for drainpan in (False, True):
            name = f"{orientation}StraightHeatpipe{'Drainpan' if drainpan else ''}.dotx"
            title = f"{orientation.upper()} STRAIGHT HEAT PIPE{' WITH DRAINPAN' if drainpan else ''}"
            sheet = draw(drainpan)
            frame(sheet, title)
            out.append((name, title, sheet))
    return out
