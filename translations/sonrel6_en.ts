<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Message</name>
    <message>
        <source>Введите правильно данные</source>
        <translation>Enter the data correctly</translation>
    </message>
    <message>
        <source>Ошибка решения</source>
        <translation>Solution error</translation>
    </message>
    <message>
        <source>Ошибка рассчета</source>
        <translation>Calculation error</translation>
    </message>
    <message>
        <source>Ошибка в отчете </source>
        <translation>Error in the report </translation>
    </message>
    <message>
        <source>Ошибка сохранения изображения</source>
        <translation>Error saving the picture</translation>
    </message>
    <message>
        <source>Ошибка записи в файл</source>
        <translation>Error writing the file</translation>
    </message>
    <message>
        <source>Не могу найти эту точку</source>
        <translation>Cannot find this point</translation>
    </message>
</context>
</TS>
