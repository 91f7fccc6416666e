"""Combination unit: a horseshoe heat pipe wrapped round a chilled water or
refrigerant cooling coil in one casing of fixed depth. The hand is the side of
the coil connections looking in the direction of airflow; the right hand is the
left-hand drawing mirrored. Without a drainpan there is no right-hand chilled
water drawing: the left-hand one is used with a note.

Bookmarks: OverallHeight, OverallWidth, OverallDepth, ReturnBaffle (heat pipe
return bends), FrontBaffle (coil connections), FinnedLength, ConnectionLength,
FlangeDepth1 (top), FlangeDepth2 (bottom, without drainpan) or DuctHeight (with
drainpan); chilled water: ConnectionSize; refrigerant: INLET and OUTLET."""

from gadrawing import Sheet
from gapackage import frame
from straight import holes_along

X0, W = 46.0, 118.0
FB, RB, CL = 20.0, 14.0, 13.0
Y0, H, FD, PAN = 28.0, 64.0, 8.0, 8.0


def connection(s: Sheet, y, label, size_bookmark=None, size_text=""):
    """A pipe stub from the casing out by the connection length, with its label."""
    x_end = X0 - CL
    s.fill_rect(x_end, y - 1.6, CL, 3.2, "D9D9D9")
    s.poly([(X0, y - 1.6), (x_end, y - 1.6), (x_end, y + 1.6), (X0, y + 1.6)], "medium")
    s.rect(x_end - 1.2, y - 2.3, 1.2, 4.6, "medium")
    s.text(x_end - 13, y - 2.2, 20, 3, label, size=5.5, bold=True, align="r")
    if size_bookmark:
        s.text(x_end - 13, y + 1.4, 20, 3, size_text, size=5.5, bookmark=size_bookmark, align="r")


def front_view(s: Sheet, drainpan: bool, refrigerant: bool):
    xf0, xf1 = X0 + FB, X0 + W - RB
    yf0 = Y0 + FD
    yf1 = Y0 + H - (PAN if drainpan else FD)
    s.fins(xf0, yf0, xf1 - xf0, yf1 - yf0)
    s.fill_rect(X0, Y0, FB, H, "F2F2F2")
    s.fill_rect(xf1, Y0, RB, H, "F2F2F2")
    if drainpan:
        s.fill_rect(xf0, yf1, xf1 - xf0, PAN, "DCE6F0")
    s.rect(X0, Y0, W, H, "thick")
    s.line(xf0, Y0, xf0, Y0 + H, "medium")
    s.line(xf1, Y0, xf1, Y0 + H, "medium")
    s.line(xf0, yf0, xf1, yf0, "medium")
    s.line(xf0, yf1, xf1, yf1, "medium")
    holes_along(s, xf0 + 4, Y0 + FD / 2, xf1 - 4, Y0 + FD / 2)
    if drainpan:
        s.text((xf0 + xf1) / 2, yf1 + PAN / 2, 20, 3, "DRAINPAN", size=5.5, background=True)
        s.rect(X0 + W, yf1 + 2.7, 7, 2.6, "medium")
        s.text(X0 + W + 4, yf1 + 8, 12, 3, "DRAIN", size=5.5)
    else:
        holes_along(s, xf0 + 4, Y0 + H - FD / 2, xf1 - 4, Y0 + H - FD / 2)
    s.text(X0 + FB / 2, Y0 + H / 2, FB - 3, 7, "FRONT\nBAFFLE", size=5.5, background=True)
    s.text(xf1 + RB / 2, Y0 + H / 2, RB - 2, 7, "RETURN\nBAFFLE", size=5, background=True)

    if refrigerant:
        connection(s, Y0 + 18, "SUCTION", "OUTLET")
        connection(s, yf1 - 10, "LIQUID", "INLET")
    else:
        connection(s, Y0 + 18, "OUTLET")
        connection(s, yf1 - 10, "INLET")
        s.text(X0 - CL - 13, (Y0 + 18 + yf1 - 10) / 2 - 1.8, 20, 3, "CONNECTIONS", size=5.5, align="r")
        s.text(X0 - CL - 13, (Y0 + 18 + yf1 - 10) / 2 + 1.8, 20, 3, "", size=5.5, bold=True,
               bookmark="ConnectionSize", align="r")

    bottom = Y0 + H
    s.dim_h(X0 - CL, X0, Y0 + 18, Y0 - 8, "ConnectionLength", text_side=-1, feature2=Y0)
    s.dim_h(X0, xf0, bottom, bottom + 8, "FrontBaffle")
    s.dim_h(xf0, xf1, bottom, bottom + 8, "FinnedLength")
    s.dim_h(xf1, X0 + W, bottom, bottom + 8, "ReturnBaffle", text_side=1)
    s.dim_h(X0, X0 + W, bottom, bottom + 16, "OverallWidth")
    xd = X0 + W + (14 if drainpan else 8)
    s.dim_v(Y0, yf0, X0 + W, xd, "FlangeDepth1", text_side=1)
    if drainpan:
        s.dim_v(yf0, yf1, X0 + W, xd, "DuctHeight")
        s.dim_v(yf1, Y0 + H, X0 + W, xd, static="60", text_side=1)
    else:
        s.dim_v(yf1, Y0 + H, X0 + W, xd, "FlangeDepth2", text_side=1)
    s.dim_v(Y0, Y0 + H, X0 + W, xd + 16, "OverallHeight")


def plan_view(s: Sheet, drainpan: bool):
    y0, d = 122.0, 28.0
    xf0, xf1 = X0 + FB, X0 + W - RB
    blocks = [(y0 + 2, 6, "HEAT PIPE REHEAT"), (y0 + 10, 8, "COOLING COIL"), (y0 + 20, 6, "HEAT PIPE PRECOOL")]
    for yb, hb, label in blocks:
        s.fins(xf0, yb, xf1 - xf0, hb)
        s.rect(xf0, yb, xf1 - xf0, hb, "medium")
        s.text((xf0 + xf1) / 2, yb + hb / 2, 34, 3, label, size=5.5, background=True)
    s.rect(X0, y0, W, d, "thick")
    for r in (9.5, 11.5):
        s.arc(xf1, y0 + 14.0, r, -90, 90, "medium")
    # Coil headers and the connection through the front baffle.
    for x in (xf0 - 5, xf0 - 9):
        s.circle(x, y0 + 14, 1.6, "medium")
    s.fill_rect(X0 - CL, y0 + 12.4, CL, 3.2, "D9D9D9")
    s.poly([(X0, y0 + 12.4), (X0 - CL, y0 + 12.4), (X0 - CL, y0 + 15.6), (X0, y0 + 15.6)], "medium")
    s.line(X0 + 1, y0 + 14, xf0 - 9, y0 + 14, "medium")
    if drainpan:
        s.rect(xf0 - 2, y0 + 8.5, xf1 - xf0 + 4, 11, "hidden")
    s.dim_v(y0, y0 + d, X0 + W, X0 + W + 8, "OverallDepth")


def side_view(s: Sheet, drainpan: bool, refrigerant: bool):
    ex, d = 218.0, 28.0
    yf1 = Y0 + H - (PAN if drainpan else FD)
    s.fill_rect(ex, Y0, d, H, "F2F2F2")
    s.rect(ex, Y0, d, H, "thick")
    s.line(ex, Y0 + FD, ex + d, Y0 + FD, "medium")
    s.line(ex, yf1, ex + d, yf1, "medium")
    for xb, wb in ((ex + 2, 6), (ex + 10, 8), (ex + 20, 6)):
        s.rect(xb, Y0 + FD, wb, yf1 - Y0 - FD, "hidden")
    if drainpan:
        s.fill_rect(ex + 1, yf1, d - 2, PAN, "DCE6F0")
        s.rect(ex + 1, yf1, d - 2, PAN, "medium")
        s.circle(ex + 14, yf1 + PAN / 2, 1.3, "medium")
    for y in (Y0 + 18, yf1 - 10):
        s.circle(ex + 14, y, 1.6, "medium")
        s.circle(ex + 14, y, 2.4, "medium")
    s.text(ex + d + 10, Y0 + 18, 16, 3, "SUCTION" if refrigerant else "OUTLET", size=5.5, align="l")
    s.text(ex + d + 10, yf1 - 10, 16, 3, "LIQUID" if refrigerant else "INLET", size=5.5, align="l")
    s.flow_arrow(ex - 5, Y0 + H + 9, ex + d + 5, Y0 + H + 9, "AIRFLOW", (ex + d / 2, Y0 + H + 5.5))
    s.text(ex + d / 2, Y0 + H + 16, 44, 7, "SIDE VIEW ON\nCONNECTIONS", size=7, bold=True)


def templates():
    out = []
    cases = [(True, True, "RefrigerantHeatpipeDrainpan"), (True, False, "CombinationHeatpipeDrainpan"),
             (False, True, "RefrigerantHeatpipe"), (False, False, "CombinationHeatpipe")]
    for drainpan, refrigerant, stem in cases:
        for hand in ("LEFT", "RIGHT"):
            if not drainpan and not refrigerant and hand == "RIGHT":
                continue  # the left-hand drawing serves, with the note
            s = Sheet()
            with s.mirrored(X0 + W / 2, on=hand == "RIGHT"):
                front_view(s, drainpan, refrigerant)
                plan_view(s, drainpan)
            s.text(X0 + W / 2, 113, 80, 4, "FRONT VIEW (IN DIRECTION OF AIRFLOW)", size=7, bold=True)
            s.text(X0 + W / 2, 163, 40, 4, "PLAN VIEW", size=7, bold=True)
            s.flow_arrow(200, 146, 200, 122)
            s.text(210, 134, 16, 3, "AIRFLOW", size=5.5, bold=True)
            side_view(s, drainpan, refrigerant)
            coil = "REFRIGERANT" if refrigerant else "CHILLED WATER"
            title = (f"HEAT PIPE AND {coil} COIL{' WITH DRAINPAN' if drainpan else ''} - {hand} HAND")
            hand_note = (f"{hand} HAND: COIL CONNECTIONS ON {'LHS' if hand == 'LEFT' else 'RHS'} "
                         "LOOKING IN DIRECTION OF AIRFLOW")
            frame(s, title, hand_note)
            out.append((f"{stem}{hand}.dotx", title, s))
    return out
