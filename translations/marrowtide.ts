<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>PersonListLoader</name>
    <message>
        <source>There are no records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAEP</name>
    <message>
        <source>Delete this Entry?<byte value="xd"/>
<byte value="xd"/>
Are you sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this Entry?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLegend</name>
    <message>
        <source>Baby - 0 to 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child - 16 to 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Young Adult 18-21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adult 21 - 60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senior 60 +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Orrindale Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for Legend!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Big Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>store</name>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection cannot be used to perform this operation. It is either closed or invalid in this context.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Recordset does not support updating. Its query must read the columns of one table including the table&apos;s integer key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row cannot be located for updating. Some values may have been changed since it was last read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The birth date lies outside 01/01/0100 to 12/31/9999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Error Occured!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
