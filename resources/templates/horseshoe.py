"""Horseshoe heat pipe: two finned sections in one airstream, before and after
the cooling coil, joined by return bends at one end behind the external baffle.
The hand is the side of the return bends looking in the direction of airflow;
the right hand is the left-hand drawing mirrored.

Bookmarks: OverallHeight, OverallWidth, ExternalBaffle, InternalBaffle,
FinnedLength, FlangeWidth1/2 (top and bottom flanges), InternalDepth (the space
for the cooling coil), EndPlateWidth1/2 (the depth of each section)."""

from gadrawing import Sheet
from gapackage import frame
from straight import holes_along

X0, W = 32.0, 132.0
EB, END = 24.0, 8.0  # external baffle and the fixed 60 mm end, drawn
FRONT_Y0, FRONT_H = 24.0, 56.0
PLAN_Y0 = 110.0


def front_view(s: Sheet):
    y0, h, fw = FRONT_Y0, FRONT_H, 8.0
    xf0, xf1 = X0 + EB, X0 + W - END
    s.fins(xf0, y0 + fw, xf1 - xf0, h - 2 * fw)
    s.fill_rect(X0, y0, EB, h, "F2F2F2")
    s.rect(X0, y0, W, h, "thick")
    s.line(xf0, y0, xf0, y0 + h, "medium")
    s.line(xf1, y0, xf1, y0 + h, "medium")
    s.line(xf0, y0 + fw, xf1, y0 + fw, "medium")
    s.line(xf0, y0 + h - fw, xf1, y0 + h - fw, "medium")
    s.line(X0 - 4, y0 + h / 2, X0 + W + 4, y0 + h / 2, "centre")
    holes_along(s, xf0 + 4, y0 + fw / 2, xf1 - 4, y0 + fw / 2)
    holes_along(s, xf0 + 4, y0 + h - fw / 2, xf1 - 4, y0 + h - fw / 2)
    s.text(X0 + EB / 2, y0 + h / 2, EB - 3, 7, "EXTERNAL\nBAFFLE", size=5.5, background=True)
    s.dim_h(X0, xf0, y0 + h, y0 + h + 8, "ExternalBaffle")
    s.dim_h(xf0, xf1, y0 + h, y0 + h + 8, "FinnedLength")
    s.dim_h(xf1, X0 + W, y0 + h, y0 + h + 8, static="60", text_side=1)
    s.dim_h(X0, X0 + W, y0 + h, y0 + h + 16, "OverallWidth")
    s.dim_v(y0, y0 + fw, X0 + W, X0 + W + 8, "FlangeWidth1", text_side=1)
    s.dim_v(y0 + h - fw, y0 + h, X0 + W, X0 + W + 8, "FlangeWidth2", text_side=1)
    s.dim_v(y0, y0 + h, X0, X0 - 9, "OverallHeight")


def plan_view(s: Sheet):
    y0, e, gap = PLAN_Y0, 9.0, 14.0
    y_down0, y_up0 = y0, y0 + e + gap  # reheat (downstream) above, precool below
    depth = 2 * e + gap
    xf0, xf1 = X0 + EB, X0 + W - END
    cy = y0 + depth / 2
    for ys in (y_down0, y_up0):
        s.fins(xf0, ys, xf1 - xf0, e)
        s.rect(xf0, ys, xf1 - xf0, e, "medium")
        s.fill_rect(xf1, ys, END, e, "F2F2F2")
        s.rect(xf1, ys, END, e, "medium")
    s.rect(X0, y0, W, depth, "thick")
    s.line(X0 + 1.2, y0, X0 + 1.2, y0 + depth, "medium")
    # Return bends: each tube row of the precool section bends round to the reheat section.
    for r in (depth / 2 - 4.5 + 1.5, depth / 2 - 1.5):
        s.arc(xf0, cy, r, 90, 270, "medium")
    ib = 7.0
    inner = depth / 2 - 3.0 - 1.2
    s.line(xf0 - ib, cy - inner + 2.0, xf0 - ib, cy + inner - 2.0, "thick")
    s.rect(xf0 + 24, y0 + e + 2.5, xf1 - xf0 - 32, gap - 5, "phantom")
    s.text((xf0 + xf1) / 2 + 8, cy, 50, 3.2, "COOLING COIL (BY OTHERS)", size=5.5, background=True)
    s.text((xf0 + xf1) / 2, y_up0 + e / 2, 30, 3.2, "PRECOOL SECTION", size=5.5, background=True)
    s.text((xf0 + xf1) / 2, y_down0 + e / 2, 30, 3.2, "REHEAT SECTION", size=5.5, background=True)
    s.dim_h(xf0 - ib, xf0, cy, cy, "InternalBaffle", text_side=1)
    s.dim_h(X0, xf0, y0 + depth, y0 + depth + 8, "ExternalBaffle")
    s.dim_v(y_down0, y_down0 + e, X0 + W, X0 + W + 8, "EndPlateWidth2", text_side=1)
    s.dim_v(y_down0 + e, y_up0, X0 + W, X0 + W + 8, "InternalDepth")
    s.dim_v(y_up0, y_up0 + e, X0 + W, X0 + W + 8, "EndPlateWidth1", text_side=1)


def end_view(s: Sheet, hand: str):
    ex, y0, h, fw = 214.0, FRONT_Y0, FRONT_H, 8.0
    e, gap = 9.0, 14.0
    d = 2 * e + gap
    s.fill_rect(ex, y0, d, h, "F2F2F2")
    s.rect(ex, y0, d, h, "thick")
    s.line(ex, y0 + fw, ex + d, y0 + fw, "medium")
    s.line(ex, y0 + h - fw, ex + d, y0 + h - fw, "medium")
    for x in (ex + e, ex + e + gap):
        s.line(x, y0 + fw, x, y0 + h - fw, "hidden")
    # Seen from the end, each return bend is a line from its precool tube to its reheat tube.
    for i in range(8):
        y = y0 + fw + 3 + i * (h - 2 * fw - 6) / 7
        s.line(ex + e / 2, y, ex + e + gap + e / 2, y, "hidden")
        s.circle(ex + e / 2, y, 1.0, "hidden")
        s.circle(ex + e + gap + e / 2, y, 1.0, "hidden")
    s.flow_arrow(ex - 5, y0 + h + 9, ex + d + 5, y0 + h + 9, "AIRFLOW", (ex + d / 2, y0 + h + 5.5))
    s.text(ex + d / 2, y0 + h + 16, 44, 7, f"END VIEW ON\n{hand} BAFFLE", size=7, bold=True)


def templates():
    out = []
    for hand in ("Left", "Right"):
        s = Sheet()
        with s.mirrored(X0 + W / 2, on=hand == "Right"):
            front_view(s)
            plan_view(s)
        s.text(X0 + W / 2, FRONT_Y0 + FRONT_H + 22, 80, 4, "FRONT VIEW (IN DIRECTION OF AIRFLOW)", size=7, bold=True)
        s.text(X0 + W / 2, PLAN_Y0 + 32 + 15, 40, 4, "PLAN VIEW", size=7, bold=True)
        s.flow_arrow(200, PLAN_Y0 + 34, 200, PLAN_Y0 - 2)
        s.text(210, PLAN_Y0 + 16, 16, 3, "AIRFLOW", size=5.5, bold=True)
        end_view(s, "EXTERNAL")
        title = f"HORSESHOE HEAT PIPE - {hand.upper()} HAND"
        frame(s, title, f"{hand.upper()} HAND: RETURN BENDS ON {'LHS' if hand == 'Left' else 'RHS'} "
                        "LOOKING IN DIRECTION OF AIRFLOW")
        out.append((f"HorseshoeHeatpipe{hand}.dotx", title, s))
    return out
