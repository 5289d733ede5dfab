#!/usr/bin/env python3
"""Writes the project-file fixtures of the data library's file tests into data/.

Run it from anywhere; the files are committed, so the tests never need Python. Every fixture is
made here from the text below (no file is copied from elsewhere). Damaged variants that are easy
to make at run time (flipped bytes, truncations) are made by the tests themselves.
"""
import os
import zipfile

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")

# One project in the document form our writer produces: tabs, CR LF, escaped text.
DOCUMENT = """<?xml version="1.0" encoding="UTF-16"?>
<Win-Quorvia>
\t<FileInfo>
\t\t<Application>Win-Quorvia2-Viewer</Application>
\t\t<AppVersion>2.0.1.1</AppVersion>
\t\t<DllVersion>2.0.1.1</DllVersion>
\t\t<DllRequiredVersion>{required}</DllRequiredVersion>
\t\t<DllRequiredVersionFull>2.0</DllRequiredVersionFull>
\t</FileInfo>
\t<Data>
\t\t<Settings>
\t\t\t<Scale>3 1</Scale>
\t\t\t<DateStart>20240101</DateStart>
\t\t\t<DateEnd>20240131</DateEnd>
\t\t\t<TimeStart>00:00</TimeStart>
\t\t\t<TimeEnd>00:00</TimeEnd>
\t\t</Settings>
\t\t<Holidays/>
\t\t<Resources>
\t\t\t<Resource>
\t\t\t\t<ID>3</ID>
\t\t\t\t<CalendarID>-1</CalendarID>
\t\t\t\t<Position>1</Position>
\t\t\t\t<Name>Anna &amp; Bob &lt;crew&gt;</Name>
\t\t\t\t<Note>first row</Note>
\t\t\t\t<ColorFg>255 0 0</ColorFg>
\t\t\t\t<ColorLabelBk>0 255 0</ColorLabelBk>
\t\t\t\t<ColorScheduleBk>0 0 255</ColorScheduleBk>
\t\t\t\t<FontBold>1</FontBold>
\t\t\t\t<CostsVariable>12.5</CostsVariable>
\t\t\t\t<CostsFixed>100</CostsFixed>
\t\t\t\t<CostsTimeUnit>1</CostsTimeUnit>
\t\t\t\t<UserDefinedFields>
\t\t\t\t\t<UserDefinedField>
\t\t\t\t\t\t<Name>Cost centre</Name>
\t\t\t\t\t\t<Value>CC-7</Value>
\t\t\t\t\t</UserDefinedField>
\t\t\t\t</UserDefinedFields>
\t\t\t\t<Recurrences/>
\t\t\t\t<Tasks>
\t\t\t\t\t<Task>
\t\t\t\t\t\t<ID>1</ID>
\t\t\t\t\t\t<Name>Kick-off</Name>
\t\t\t\t\t\t<Note>line one
line two</Note>
\t\t\t\t\t\t<DateStart>20240110</DateStart>
\t\t\t\t\t\t<TimeStart>08:00</TimeStart>
\t\t\t\t\t\t<DateEnd>20240110</DateEnd>
\t\t\t\t\t\t<TimeEnd>12:30</TimeEnd>
\t\t\t\t\t\t<ColorFg>0 0 0</ColorFg>
\t\t\t\t\t\t<ColorBk>255 255 128</ColorBk>
\t\t\t\t\t\t<FontBold>0</FontBold>
\t\t\t\t\t\t<CostsCalculate>1</CostsCalculate>
\t\t\t\t\t\t<CostsVariable>0.25</CostsVariable>
\t\t\t\t\t\t<CostsFixed>1e+06</CostsFixed>
\t\t\t\t\t\t<CostsTimeUnit>0</CostsTimeUnit>
\t\t\t\t\t\t<UserDefinedFields>
\t\t\t\t\t\t\t<UserDefinedField>
\t\t\t\t\t\t\t\t<Name>Order</Name>
\t\t\t\t\t\t\t\t<Value>4711</Value>
\t\t\t\t\t\t\t</UserDefinedField>
\t\t\t\t\t\t\t<UserDefinedField>
\t\t\t\t\t\t\t\t<Name>Due</Name>
\t\t\t\t\t\t\t\t<Value>20240112</Value>
\t\t\t\t\t\t\t</UserDefinedField>
\t\t\t\t\t\t</UserDefinedFields>
\t\t\t\t\t</Task>
\t\t\t\t\t<Task>
\t\t\t\t\t\t<ID>2</ID>
\t\t\t\t\t\t<Name>Build</Name>
\t\t\t\t\t\t<Note/>
\t\t\t\t\t\t<DateStart>20240111</DateStart>
\t\t\t\t\t\t<TimeStart>23:00</TimeStart>
\t\t\t\t\t\t<DateEnd>20240115</DateEnd>
\t\t\t\t\t\t<TimeEnd>01:00</TimeEnd>
\t\t\t\t\t\t<ColorFg>1 2 3</ColorFg>
\t\t\t\t\t\t<ColorBk>255 255 255</ColorBk>
\t\t\t\t\t\t<FontBold>1</FontBold>
\t\t\t\t\t\t<CostsCalculate>0</CostsCalculate>
\t\t\t\t\t\t<CostsVariable>0</CostsVariable>
\t\t\t\t\t\t<CostsFixed>0</CostsFixed>
\t\t\t\t\t\t<CostsTimeUnit>0</CostsTimeUnit>
\t\t\t\t\t\t<UserDefinedFields/>
\t\t\t\t\t</Task>
\t\t\t\t</Tasks>
\t\t\t</Resource>
\t\t\t<Resource>
\t\t\t\t<ID>7</ID>
\t\t\t\t<CalendarID>-1</CalendarID>
\t\t\t\t<Position>2</Position>
\t\t\t\t<Name>Room 2</Name>
\t\t\t\t<Note/>
\t\t\t\t<ColorFg>0 0 0</ColorFg>
\t\t\t\t<ColorLabelBk>255 255 255</ColorLabelBk>
\t\t\t\t<ColorScheduleBk>255 255 255</ColorScheduleBk>
\t\t\t\t<FontBold>0</FontBold>
\t\t\t\t<CostsVariable>0</CostsVariable>
\t\t\t\t<CostsFixed>0</CostsFixed>
\t\t\t\t<CostsTimeUnit>0</CostsTimeUnit>
\t\t\t\t<UserDefinedFields/>
\t\t\t\t<Recurrences/>
\t\t\t\t<Tasks>
\t\t\t\t\t<Task>
\t\t\t\t\t\t<ID>5</ID>
\t\t\t\t\t\t<Name>Review</Name>
\t\t\t\t\t\t<Note>a &gt; b</Note>
\t\t\t\t\t\t<DateStart>20240120</DateStart>
\t\t\t\t\t\t<TimeStart>09:00</TimeStart>
\t\t\t\t\t\t<DateEnd>20240120</DateEnd>
\t\t\t\t\t\t<TimeEnd>09:00</TimeEnd>
\t\t\t\t\t\t<ColorFg>0 0 0</ColorFg>
\t\t\t\t\t\t<ColorBk>255 255 255</ColorBk>
\t\t\t\t\t\t<FontBold>0</FontBold>
\t\t\t\t\t\t<CostsCalculate>0</CostsCalculate>
\t\t\t\t\t\t<CostsVariable>0</CostsVariable>
\t\t\t\t\t\t<CostsFixed>0</CostsFixed>
\t\t\t\t\t\t<CostsTimeUnit>0</CostsTimeUnit>
\t\t\t\t\t\t<UserDefinedFields/>
\t\t\t\t\t</Task>
\t\t\t\t</Tasks>
\t\t\t</Resource>
\t\t</Resources>
\t\t<Filters/>
\t\t<Calendars/>
\t</Data>
</Win-Quorvia>
"""

# The older sectioned text format: ANSI text, CR LF, ";"-separated rows.
LEGACY = '''[FileInfo]
App;Win-Quorvia
Version;1.5

[Resources]
1;1;Anna;first row
2;2;"Room; big";"say ""hi"""

[Tasks]
10;1;20240110;08:00;20240110;12:30;255 0 0;;1;Kick-off;line one!#line two
11;2;20240111;23:00;20240112;01:00;;;0;Night shift;
'''


def crlf(text):
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def zipped(members, compression):
    """A ZIP archive of (name, bytes) members with fixed time stamps."""
    import io
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as archive:
        for name, data in members:
            info = zipfile.ZipInfo(name, date_time=(2024, 1, 2, 3, 4, 6))
            info.compress_type = compression
            archive.writestr(info, data)
    return buffer.getvalue()


def main():
    os.makedirs(HERE, exist_ok=True)
    document = crlf(DOCUMENT.format(required="2.0"))
    utf16le = b"\xff\xfe" + document.encode("utf-16-le")
    write("project-utf16le.wqv", utf16le)
    write("project-utf16be.wqv", b"\xfe\xff" + document.encode("utf-16-be"))
    write("project-ansi.wqv", document.replace('encoding="UTF-16"', 'encoding="windows-1252"').encode("ascii"))
    write("project-zip-deflate.wqv", zipped([("win-qvia.wqv", utf16le)], zipfile.ZIP_DEFLATED))
    write("project-zip-stored-upper.wqv", zipped([("WIN-QVIA.WQV", utf16le)], zipfile.ZIP_STORED))
    write("damaged-zip-other-first.wqv",
          zipped([("readme.txt", b"not a project"), ("win-qvia.wqv", utf16le)], zipfile.ZIP_DEFLATED))
    newer = crlf(DOCUMENT.format(required="2.1"))
    write("damaged-needs-newer.wqv", b"\xff\xfe" + newer.encode("utf-16-le"))
    no_info = document.split("\t<FileInfo>")[0] + document.split("\t</FileInfo>\r\n")[1]
    write("damaged-no-fileinfo.wqv", b"\xff\xfe" + no_info.encode("utf-16-le"))
    no_data = document.split("\t<Data>")[0] + "</Win-Quorvia>\r\n"
    write("damaged-no-data.wqv", b"\xff\xfe" + no_data.encode("utf-16-le"))
    write("legacy.wqv", crlf(LEGACY).encode("cp1252"))


if __name__ == "__main__":
    main()
