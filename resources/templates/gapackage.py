"""The drawing sheet (border, title block, note lines) and the .dotx package."""

import zipfile

from gadrawing import Sheet

TITLE_X0, TITLE_X1, TITLE_Y0, TITLE_Y1 = 167.0, 287.0, 148.0, 200.0
LABEL_X1 = 193.0


def frame(sheet: Sheet, title: str, hand_note: str = ""):
    """Border, title block with the reference bookmarks, and the two note lines
    (Stacked: the two-section note; Note: the connection note)."""
    sheet.rect(10, 10, 277, 190, "thick")
    x0, x1, y0, y1 = TITLE_X0, TITLE_X1, TITLE_Y0, TITLE_Y1
    sheet.rect(x0, y0, x1 - x0, y1 - y0, "thick")
    rows = [y0, 158.0, 166.0, 173.5, 181.0, 188.5, y1]
    for y in rows[1:-1]:
        sheet.line(x0, y, x1, y, "medium")
    for y_top, y_bottom in zip(rows[2:-1], rows[3:]):
        sheet.line(LABEL_X1, y_top, LABEL_X1, y_bottom, "thin")
    sheet.line(232, rows[5], 232, y1, "thin")

    sheet.text(x0 + 22, 153, 40, 6, "ARDEL VEXA", size=12, bold=True)
    sheet.text(x1 - 32, 151.3, 60, 3.2, "HEAT PIPE HEAT RECOVERY", size=6.5)
    sheet.text(x1 - 32, 155.0, 60, 3.2, "GENERAL ARRANGEMENT", size=6.5, bold=True)
    sheet.text((x0 + x1) / 2, 162, x1 - x0 - 4, 6.5, title, size=7.5, bold=True)

    fields = [("CUSTOMER REF", "CustomerRef", rows[2], rows[3]),
              ("PROJECT", "ProjectName", rows[3], rows[4]),
              ("HEAT PIPE", "HeatpipeCode", rows[4], rows[5])]
    for label, bookmark, top, bottom in fields:
        sheet.text((x0 + LABEL_X1) / 2 + 0.8, (top + bottom) / 2, LABEL_X1 - x0 - 2, 3.4, label, size=6, align="l")
        sheet.text((LABEL_X1 + x1) / 2 + 1.5, (top + bottom) / 2, x1 - LABEL_X1 - 4, 3.6, "", size=8,
                   bookmark=bookmark, align="l")
    top, bottom = rows[5], y1
    sheet.text((x0 + LABEL_X1) / 2 + 0.8, (top + bottom) / 2, LABEL_X1 - x0 - 2, 3.4, "DATE", size=6, align="l")
    sheet.text((LABEL_X1 + 232) / 2 + 1.5, (top + bottom) / 2, 232 - LABEL_X1 - 4, 3.6, "", size=8,
               bookmark="Date", align="l")
    sheet.text((232 + x1) / 2, (top + bottom) / 2, x1 - 232 - 2, 8,
               "ALL DIMENSIONS IN mm\nNOT TO SCALE", size=6, bold=True)

    # The note lines, left of the title block.
    sheet.text(88, 184, 150, 7.5, "", size=7, bold=True, bookmark="Stacked", align="l")
    sheet.text(88, 193, 150, 4, "", size=7, bold=True, bookmark="Note", align="l")
    if hand_note:
        sheet.text(88, 176.5, 150, 3.5, hand_note, size=6.5, align="l")


CONTENT_TYPES = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
    '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="xml" ContentType="application/xml"/>'
    '<Override PartName="/word/document.xml"'
    ' ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml"/>'
    '<Override PartName="/word/styles.xml"'
    ' ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>'
    '<Override PartName="/word/settings.xml"'
    ' ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"/>'
    '<Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>'
    '<Override PartName="/docProps/app.xml"'
    ' ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>'
    '</Types>'
)

PACKAGE_RELS = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
    '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"'
    ' Target="word/document.xml"/>'
    '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties"'
    ' Target="docProps/core.xml"/>'
    '<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties"'
    ' Target="docProps/app.xml"/>'
    '</Relationships>'
)

DOCUMENT_RELS = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
    '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles"'
    ' Target="styles.xml"/>'
    '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings"'
    ' Target="settings.xml"/>'
    '</Relationships>'
)

STYLES = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
    '<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">'
    '<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:cs="Arial"/>'
    '<w:sz w:val="16"/><w:szCs w:val="16"/><w:lang w:val="en-GB"/></w:rPr></w:rPrDefault>'
    '<w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault>'
    '</w:docDefaults>'
    '<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>'
    '</w:styles>'
)

SETTINGS = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
    '<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">'
    '<w:defaultTabStop w:val="720"/><w:characterSpacingControl w:val="doNotCompress"/>'
    '<w:compat><w:compatSetting w:name="compatibilityMode" w:uri="http://schemas.microsoft.com/office/word"'
    ' w:val="15"/></w:compat></w:settings>'
)


def core(title):
    return (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties"'
        ' xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/"'
        ' xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
        f'<dc:title>{title}</dc:title><dc:creator>Ardel Vexa</dc:creator></cp:coreProperties>'
    )


APP = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
    '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">'
    '<Application>Ardel Vexa</Application></Properties>'
)


def write_dotx(path, sheet: Sheet, title: str):
    """Writes the template; the same drawing always gives the same bytes."""
    parts = [
        ("[Content_Types].xml", CONTENT_TYPES),
        ("_rels/.rels", PACKAGE_RELS),
        ("word/document.xml", sheet.to_document_xml()),
        ("word/_rels/document.xml.rels", DOCUMENT_RELS),
        ("word/styles.xml", STYLES),
        ("word/settings.xml", SETTINGS),
        ("docProps/core.xml", core(title)),
        ("docProps/app.xml", APP),
    ]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in parts:
            info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, text.encode("utf-8"))
