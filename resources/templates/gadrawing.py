"""Drawing primitives for the general arrangement templates and their OOXML form.

A Sheet collects lines, fills, arrowheads and text boxes in millimetres on an A4
landscape page. to_document_xml() turns them into DrawingML shapes anchored to
the page: one custom-geometry shape per line style, filled shapes for areas and
arrowheads, and a text box for every text. A text that carries a bookmark is
written inside the bookmark, so that the word-processor layer can replace it.
"""

import math
from contextlib import contextmanager
from xml.sax.saxutils import escape, quoteattr

PAGE_W, PAGE_H = 297.0, 210.0  # A4 landscape, mm
EMU_PER_MM = 36000
FONT = "Arial"

# Line styles: width in EMU (12700 = 1 pt), dash, colour.
LINE_STYLES = {
    "thick": (17780, None, "000000"),   # outlines of the unit, 1.4 pt
    "medium": (10160, None, "000000"),  # flanges, baffles, plates, 0.8 pt
    "thin": (5080, None, "000000"),     # dimension and extension lines, 0.4 pt
    "fin": (3175, None, "8C8C8C"),      # fins and tube lines, 0.25 pt grey
    "hidden": (6350, "dash", "000000"),  # edges behind, 0.5 pt dashed
    "centre": (5080, "lgDashDot", "000000"),  # centre lines, 0.4 pt chain
    "phantom": (6350, "lgDashDotDot", "595959"),  # equipment by others
}

ARROW_LENGTH = 2.6  # mm, dimension arrowheads
ARROW_HALF_WIDTH = 0.55
PLACEHOLDER = "####"  # a dimension the program has not written shows this


def emu(mm):
    return int(round(mm * EMU_PER_MM))


class Sheet:
    def __init__(self):
        self.paths = {style: [] for style in LINE_STYLES}
        self.fills = []  # (points, colour)
        self.solids = []  # black filled polygons (arrowheads)
        self.texts = []  # dicts
        self._mirror_axis = None

    # ---- coordinates -------------------------------------------------------
    @contextmanager
    def mirrored(self, axis_x, on=True):
        """Draws everything inside the block mirrored about x = axis_x (for the
        other hand of a unit). Texts keep reading left to right."""
        previous = self._mirror_axis
        self._mirror_axis = axis_x if on else None
        try:
            yield
        finally:
            self._mirror_axis = previous

    def _x(self, x):
        return x if self._mirror_axis is None else 2 * self._mirror_axis - x

    def _pts(self, pts):
        return [(self._x(x), y) for x, y in pts]

    # ---- lines and areas ---------------------------------------------------
    def poly(self, pts, style="thin", closed=False):
        pts = self._pts(pts)
        if closed:
            pts = pts + [pts[0]]
        self.paths[style].append(pts)

    def line(self, x1, y1, x2, y2, style="thin"):
        self.poly([(x1, y1), (x2, y2)], style)

    def rect(self, x, y, w, h, style="thick"):
        self.poly([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], style, closed=True)

    def arc(self, cx, cy, r, a0, a1, style="thin", steps=24):
        pts = [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
                cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]
        self.poly(pts, style)

    def circle(self, cx, cy, r, style="thin"):
        self.arc(cx, cy, r, 0, 360, style, steps=20)

    def fill(self, pts, colour):
        self.fills.append((self._pts(pts), colour))

    def fill_rect(self, x, y, w, h, colour):
        self.fill([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], colour)

    def fins(self, x, y, w, h, vertical=True, pitch=1.4, colour="EDEDED"):
        """A finned coil face: a light area crossed by fine fin lines."""
        self.fill_rect(x, y, w, h, colour)
        if vertical:
            n = int(w / pitch)
            for i in range(1, n):
                self.line(x + i * w / n, y, x + i * w / n, y + h, "fin")
        else:
            n = int(h / pitch)
            for i in range(1, n):
                self.line(x, y + i * h / n, x + w, y + i * h / n, "fin")

    def arrowhead(self, x, y, dx, dy, length=ARROW_LENGTH, half=ARROW_HALF_WIDTH):
        """A filled arrowhead with its tip at (x, y), pointing along (dx, dy)."""
        if self._mirror_axis is not None:
            x, dx = self._x(x), -dx
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        bx, by = x - ux * length, y - uy * length
        self.solids.append([(x, y), (bx - uy * half, by + ux * half), (bx + uy * half, by - ux * half)])

    def flow_arrow(self, x1, y1, x2, y2, label=None, label_pos=None):
        """A bold airflow arrow from (x1, y1) to (x2, y2)."""
        self.poly([(x1, y1), (x2, y2)], "medium")
        self.arrowhead(x2, y2, x2 - x1, y2 - y1, length=4.0, half=1.5)
        if label:
            lx, ly = label_pos if label_pos else ((x1 + x2) / 2, (y1 + y2) / 2 - 3)
            self.text(lx, ly, 26, 3.5, label, size=6.5, bold=True)

    # ---- text --------------------------------------------------------------
    def text(self, cx, cy, w, h, text, size=7.0, bold=False, align="ctr", bookmark=None, background=False,
             italic=False):
        """A text box centred at (cx, cy), w by h mm. align is 'l', 'ctr' or 'r'."""
        if self._mirror_axis is not None and align != "ctr":
            align = "r" if align == "l" else "l"
        self.texts.append(dict(cx=self._x(cx), cy=cy, w=w, h=h, text=text, size=size, bold=bold, align=align,
                               bookmark=bookmark, background=background, italic=italic))

    def value(self, cx, cy, bookmark, w=13.0, static=None):
        """A dimension value: the bookmark's text on a white ground that breaks the line."""
        self.text(cx, cy, w, 3.4, static if static else PLACEHOLDER, size=7.0,
                  bookmark=None if static else bookmark, background=True)

    # ---- dimensions --------------------------------------------------------
    def dim_h(self, x1, x2, y_feature, y_dim, bookmark=None, static=None, text_side=0, feature2=None):
        """A horizontal dimension between x1 and x2, drawn at y_dim, with extension
        lines from the feature at y_feature (feature2 for the second end when it
        differs). Narrow spans get their arrows outside and the value beside them:
        text_side -1 puts it to the left, +1 to the right."""
        y2_feature = y_feature if feature2 is None else feature2
        for x, yf in ((x1, y_feature), (x2, y2_feature)):
            direction = 1 if y_dim > yf else -1
            self.line(x, yf + direction * 1.0, x, y_dim + direction * 1.5, "thin")
        span = abs(x2 - x1)
        if span >= 16:
            self.line(x1, y_dim, x2, y_dim, "thin")
            self.arrowhead(x1, y_dim, x1 - x2, 0)
            self.arrowhead(x2, y_dim, x2 - x1, 0)
            self.value((x1 + x2) / 2, y_dim, bookmark, static=static)
        else:
            lo, hi = min(x1, x2), max(x1, x2)
            self.line(lo - 5, y_dim, hi + 5, y_dim, "thin")
            self.arrowhead(lo, y_dim, 1, 0)
            self.arrowhead(hi, y_dim, -1, 0)
            if text_side < 0:
                self.value(lo - 5 - 7.5, y_dim, bookmark, static=static)
            elif text_side > 0:
                self.value(hi + 5 + 7.5, y_dim, bookmark, static=static)
            else:
                self.value((lo + hi) / 2, y_dim + (3.2 if y_dim > y_feature else -3.2), bookmark, static=static)

    def dim_v(self, y1, y2, x_feature, x_dim, bookmark=None, static=None, text_side=0, feature2=None):
        """A vertical dimension between y1 and y2 at x_dim; values stay horizontal."""
        x2_feature = x_feature if feature2 is None else feature2
        for y, xf in ((y1, x_feature), (y2, x2_feature)):
            direction = 1 if x_dim > xf else -1
            self.line(xf + direction * 1.0, y, x_dim + direction * 1.5, y, "thin")
        span = abs(y2 - y1)
        if span >= 8:
            self.line(x_dim, y1, x_dim, y2, "thin")
            self.arrowhead(x_dim, y1, 0, y1 - y2)
            self.arrowhead(x_dim, y2, 0, y2 - y1)
            self.value(x_dim, (y1 + y2) / 2, bookmark, static=static)
        else:
            lo, hi = min(y1, y2), max(y1, y2)
            self.line(x_dim, lo - 5, x_dim, hi + 5, "thin")
            self.arrowhead(x_dim, lo, 0, 1)
            self.arrowhead(x_dim, hi, 0, -1)
            side = text_side if text_side else (1 if x_dim > x_feature else -1)
            # Mirrored views keep the value on the outer side of their line.
            self.value(x_dim + side * 8.5, (lo + hi) / 2, bookmark, static=static)

    # ---- OOXML -------------------------------------------------------------
    def to_document_xml(self):
        _shape_id[0] = 0
        shapes = []
        z = [251659000]

        def next_z():
            z[0] += 1
            return z[0]

        for pts, colour in self.fills:
            shapes.append(_geometry_shape([pts], fill=colour, line=None, z=next_z()))
        for style, paths in self.paths.items():
            if paths:
                shapes.append(_geometry_shape(paths, fill=None, line=LINE_STYLES[style], z=next_z()))
        if self.solids:
            shapes.append(_geometry_shape([p + [p[0]] for p in self.solids], fill="000000", line=None, z=next_z()))
        bookmark_id = [0]
        for t in self.texts:
            shapes.append(_text_box(t, next_z(), bookmark_id))
        runs = "".join(shapes)
        return _DOCUMENT.format(namespaces=NAMESPACES, runs=runs)


NAMESPACES = (
    ' xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006"'
    ' xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
    ' xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"'
    ' xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"'
    ' xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
    ' xmlns:w14="http://schemas.microsoft.com/office/word/2010/wordml"'
    ' xmlns:wp14="http://schemas.microsoft.com/office/word/2010/wordprocessingDrawing"'
    ' xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape"'
    ' mc:Ignorable="w14 wp14"'
)

# One paragraph anchors every shape; the page is A4 landscape with 10 mm margins.
_DOCUMENT = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
    '<w:document{namespaces}><w:body>'
    '<w:p><w:pPr><w:spacing w:before="0" w:after="0" w:line="120" w:lineRule="exact"/>'
    '<w:rPr><w:sz w:val="2"/></w:rPr></w:pPr>{runs}</w:p>'
    '<w:sectPr><w:pgSz w:w="16838" w:h="11906" w:orient="landscape"/>'
    '<w:pgMar w:top="567" w:right="567" w:bottom="567" w:left="567" w:header="0" w:footer="0" w:gutter="0"/>'
    '</w:sectPr></w:body></w:document>'
)

_shape_id = [0]


def _anchor(x, y, w, h, z, name, graphic):
    _shape_id[0] += 1
    return (
        '<w:r><mc:AlternateContent><mc:Choice Requires="wps"><w:drawing>'
        f'<wp:anchor distT="0" distB="0" distL="0" distR="0" simplePos="0" relativeHeight="{z}" behindDoc="0"'
        ' locked="1" layoutInCell="1" allowOverlap="1">'
        '<wp:simplePos x="0" y="0"/>'
        f'<wp:positionH relativeFrom="page"><wp:posOffset>{emu(x)}</wp:posOffset></wp:positionH>'
        f'<wp:positionV relativeFrom="page"><wp:posOffset>{emu(y)}</wp:posOffset></wp:positionV>'
        f'<wp:extent cx="{emu(w)}" cy="{emu(h)}"/><wp:effectExtent l="0" t="0" r="0" b="0"/><wp:wrapNone/>'
        f'<wp:docPr id="{_shape_id[0]}" name="{name} {_shape_id[0]}"/><wp:cNvGraphicFramePr/>'
        '<a:graphic><a:graphicData uri="http://schemas.microsoft.com/office/word/2010/wordprocessingShape">'
        f'{graphic}</a:graphicData></a:graphic></wp:anchor></w:drawing></mc:Choice></mc:AlternateContent></w:r>'
    )


def _geometry_shape(paths, fill, line, z):
    xs = [x for p in paths for x, _ in p]
    ys = [y for p in paths for _, y in p]
    x0, y0 = min(xs), min(ys)
    w, h = max(max(xs) - x0, 0.01), max(max(ys) - y0, 0.01)
    body = []
    for p in paths:
        (sx, sy), rest = p[0], p[1:]
        body.append(f'<a:moveTo><a:pt x="{emu(sx - x0)}" y="{emu(sy - y0)}"/></a:moveTo>')
        for px, py in rest:
            body.append(f'<a:lnTo><a:pt x="{emu(px - x0)}" y="{emu(py - y0)}"/></a:lnTo>')
        if fill:
            body.append('<a:close/>')
    fill_xml = f'<a:solidFill><a:srgbClr val="{fill}"/></a:solidFill>' if fill else '<a:noFill/>'
    if line:
        width, dash, colour = line
        dash_xml = f'<a:prstDash val="{dash}"/>' if dash else ''
        line_xml = (f'<a:ln w="{width}" cap="flat"><a:solidFill><a:srgbClr val="{colour}"/></a:solidFill>'
                    f'{dash_xml}<a:round/></a:ln>')
    else:
        line_xml = '<a:ln><a:noFill/></a:ln>'
    path_fill = '' if fill else ' fill="none"'
    graphic = (
        '<wps:wsp><wps:cNvSpPr/><wps:spPr>'
        f'<a:xfrm><a:off x="0" y="0"/><a:ext cx="{emu(w)}" cy="{emu(h)}"/></a:xfrm>'
        '<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/><a:rect l="0" t="0" r="r" b="b"/>'
        f'<a:pathLst><a:path w="{emu(w)}" h="{emu(h)}"{path_fill}>{"".join(body)}</a:path></a:pathLst>'
        f'</a:custGeom>{fill_xml}{line_xml}</wps:spPr>'
        '<wps:bodyPr/></wps:wsp>'
    )
    return _anchor(x0, y0, w, h, z, "Drawing", graphic)


def _text_box(t, z, bookmark_id):
    size = int(round(t["size"] * 2))
    jc = {"l": "left", "ctr": "center", "r": "right"}[t["align"]]
    rpr = (f'<w:rPr><w:rFonts w:ascii="{FONT}" w:hAnsi="{FONT}" w:cs="{FONT}"/>'
           + ('<w:b/>' if t["bold"] else '') + ('<w:i/>' if t["italic"] else '')
           + f'<w:sz w:val="{size}"/><w:szCs w:val="{size}"/></w:rPr>')
    lines = [f'<w:t xml:space="preserve">{escape(line)}</w:t>' for line in t["text"].split("\n")]
    run = f'<w:r>{rpr}{"<w:br/>".join(lines)}</w:r>' if t["text"] else ''
    if t["bookmark"]:
        bookmark_id[0] += 1
        run = (f'<w:bookmarkStart w:id="{bookmark_id[0]}" w:name={quoteattr(t["bookmark"])}/>{run}'
               f'<w:bookmarkEnd w:id="{bookmark_id[0]}"/>')
    paragraph = (f'<w:p><w:pPr><w:spacing w:before="0" w:after="0" w:line="240" w:lineRule="auto"/>'
                 f'<w:jc w:val="{jc}"/>{rpr}</w:pPr>{run}</w:p>')
    fill_xml = '<a:solidFill><a:srgbClr val="FFFFFF"/></a:solidFill>' if t["background"] else '<a:noFill/>'
    graphic = (
        '<wps:wsp><wps:cNvSpPr txBox="1"/><wps:spPr>'
        f'<a:xfrm><a:off x="0" y="0"/><a:ext cx="{emu(t["w"])}" cy="{emu(t["h"])}"/></a:xfrm>'
        f'<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>{fill_xml}<a:ln><a:noFill/></a:ln></wps:spPr>'
        f'<wps:txbx><w:txbxContent>{paragraph}</w:txbxContent></wps:txbx>'
        '<wps:bodyPr rot="0" vert="horz" wrap="square" lIns="0" tIns="0" rIns="0" bIns="0" anchor="ctr"'
        ' anchorCtr="0"><a:noAutofit/></wps:bodyPr></wps:wsp>'
    )
    return _anchor(t["cx"] - t["w"] / 2, t["cy"] - t["h"] / 2, t["w"], t["h"], z, "Text", graphic)
