<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>QShortcut</name>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>Up</source>
            <translation>Вверх</translation>
        </message>
        <message>
            <source>Alt</source>
            <translation>Alt</translation>
        </message>
        <message>
            <source>F%1</source>
            <translation>F%1</translation>
        </message>
        <message>
            <source>Del</source>
            <translation>Del</translation>
        </message>
        <message>
            <source>End</source>
            <translation>End</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Esc</translation>
        </message>
        <message>
            <source>Ins</source>
            <translation>Ins</translation>
        </message>
        <message>
            <source>Tab</source>
            <translation>Tab</translation>
        </message>
        <message>
            <source>Ctrl</source>
            <translation>Ctrl</translation>
        </message>
        <message>
            <source>Down</source>
            <translation>Вниз</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Home</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Влево</translation>
        </message>
        <message>
            <source>Meta</source>
            <translation>Meta</translation>
        </message>
        <message>
            <source>PgUp</source>
            <translation>PgUp</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Enter</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Вправо</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation>Shift</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Пробел</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>Escape</source>
            <translation>Escape</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Вставить</translation>
        </message>
        <message>
            <source>PgDown</source>
            <translation>PgDown</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Return</translation>
        </message>
        <message>
            <source>Page Up</source>
            <translation>Страница вверх</translation>
        </message>
        <message>
            <source>Backtab</source>
            <translation>Backtab</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Backspace</translation>
        </message>
        <message>
            <source>Page Down</source>
            <translation>Страница вниз</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Нет</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Да</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Справка</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Открыть</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Прервать</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Применить</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Закрыть</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Сбросить</translation>
        </message>
        <message>
            <source>Retry</source>
            <translation>Повторить</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>По умолчанию</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translation>Пропустить</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>Н&amp;ет для всех</translation>
        </message>
        <message>
            <source>Save All</source>
            <translation>Сохранить все</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Отклонить</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Да для &amp;всех</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>Cu&amp;t</source>
            <translation>&amp;Вырезать</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Копировать</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Повторить действие</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Отменить действие</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>В&amp;ставить</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Выделить всё</translation>
        </message>
    </context>
    <context>
        <name>QAccessibleActionInterface</name>
        <message>
            <source>Press</source>
            <translation>Нажать</translation>
        </message>
        <message>
            <source>Shows the menu</source>
            <translation>Показать меню</translation>
        </message>
        <message>
            <source>Scrolls to the left</source>
            <translation>Прокрутка влево</translation>
        </message>
        <message>
            <source>Scroll Down</source>
            <translation>Прокрутить вниз</translation>
        </message>
        <message>
            <source>Scroll Left</source>
            <translation>Прокрутить влево</translation>
        </message>
        <message>
            <source>Goes back a page</source>
            <translation>Переход на предыдущую страницу</translation>
        </message>
        <message>
            <source>Triggers the action</source>
            <translation>Выполнить действие</translation>
        </message>
        <message>
            <source>Increase</source>
            <translation>Увеличить</translation>
        </message>
        <message>
            <source>Toggle</source>
            <translation>Сменить</translation>
        </message>
        <message>
            <source>Toggles the state</source>
            <translation>Сменить состояние</translation>
        </message>
        <message>
            <source>Scrolls up</source>
            <translation>Прокрутка вверх</translation>
        </message>
        <message>
            <source>Scrolls down</source>
            <translation>Прокрутка вниз</translation>
        </message>
        <message>
            <source>Scroll Up</source>
            <translation>Прокрутить вверх</translation>
        </message>
        <message>
            <source>Goes to the next page</source>
            <translation>Переход на следующую страницу</translation>
        </message>
        <message>
            <source>Scrolls to the right</source>
            <translation>Прокрутка вправо</translation>
        </message>
        <message>
            <source>Increase the value</source>
            <translation>Увеличить значение</translation>
        </message>
        <message>
            <source>Decrease the value</source>
            <translation>Уменьшить значение</translation>
        </message>
        <message>
            <source>Decrease</source>
            <translation>Уменьшить</translation>
        </message>
        <message>
            <source>Scroll Right</source>
            <translation>Прокрутить вправо</translation>
        </message>
        <message>
            <source>Previous Page</source>
            <translation>Предыдущая страница</translation>
        </message>
        <message>
            <source>Sets the focus</source>
            <translation>Установить фокус</translation>
        </message>
        <message>
            <source>SetFocus</source>
            <translation>УстановитьФокус</translation>
        </message>
        <message>
            <source>Next Page</source>
            <translation>Следующая страница</translation>
        </message>
        <message>
            <source>ShowMenu</source>
            <translation>ПоказатьМеню</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translation>Показать подробности...</translation>
        </message>
        <message>
            <source>About Qt</source>
            <translation>О Qt</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translation>Скрыть подробности...</translation>
        </message>
        <message>
            <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
            <translation>&lt;h3&gt;О Qt&lt;/h3&gt;&lt;p&gt;Данная программа использует Qt версии %1.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
            <translation>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</translation>
        </message>
    </context>
    <context>
        <name>QAbstractSpinBox</name>
        <message>
            <source>Step &amp;down</source>
            <translation>У&amp;меньшить</translation>
        </message>
        <message>
            <source>&amp;Step up</source>
            <translation>&amp;Увеличить</translation>
        </message>
        <message>
            <source>&amp;Select All</source>
            <translation>&amp;Выделить всё</translation>
        </message>
    </context>
</TS>
