<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>vek::TMarkSel</name>
    <message>
        <source>Mark %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vek::TMiniCal</name>
    <message>
        <source>January</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <comment>month</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>month, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>weekday, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>weekday, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>weekday, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>weekday, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>weekday, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>weekday, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>weekday, short</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumption of Mary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Saints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vek::TNTabEd</name>
    <message>
        <source>Attrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as type A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as type B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmark type A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmark type B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmark All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Read-Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract from Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Empty State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Precision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vek::TReportListView</name>
    <message>
        <source>checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be shown here; the cell keeps it unless you enter a new value.</source>
        <extracomment>Tool tip of a row editor field that cannot show its cell&apos;s text (%1).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing Row %1</source>
        <extracomment>The row editor&apos;s window title; %1 is the row number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vek::TThumbnails</name>
    <message>
        <source>Slide %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
