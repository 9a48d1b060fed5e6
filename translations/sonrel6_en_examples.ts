<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>ExperimentFiles</name>
    <message>
        <location filename="../src/ui/experiment_file_qt.h" line="26"/>
        <source>Примеры</source>
        <translation>Examples</translation>
    </message>
</context>
</TS>
