<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>QShortcut</name>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>Up</source>
            <translation>Arriba</translation>
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
            <translation>Suprimir</translation>
        </message>
        <message>
            <source>End</source>
            <translation>Fin</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Escape</translation>
        </message>
        <message>
            <source>Ins</source>
            <translation>Insertar</translation>
        </message>
        <message>
            <source>Tab</source>
            <translation>Tabulador</translation>
        </message>
        <message>
            <source>Ctrl</source>
            <translation>Control</translation>
        </message>
        <message>
            <source>Down</source>
            <translation>Abajo</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Inicio</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Izquierda</translation>
        </message>
        <message>
            <source>Meta</source>
            <translation>Meta</translation>
        </message>
        <message>
            <source>PgUp</source>
            <translation>Re Pág</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Intro</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Derecha</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation>Mayúsculas</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Espacio</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Borrar</translation>
        </message>
        <message>
            <source>Escape</source>
            <translation>Escape</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Insertar</translation>
        </message>
        <message>
            <source>PgDown</source>
            <translation>Av Pág</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Retorno</translation>
        </message>
        <message>
            <source>Page Up</source>
            <translation>Retroceder página</translation>
        </message>
        <message>
            <source>Backtab</source>
            <translation>Tabulador hacia atrás</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Borrar</translation>
        </message>
        <message>
            <source>Page Down</source>
            <translation>Avanzar página</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>Show Details...</source>
            <translation>Mostrar los detalles...</translation>
        </message>
        <message>
            <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
            <translation>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>About Qt</source>
            <translation>Acerca de Qt</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translation>Ocultar los detalles...</translation>
        </message>
        <message>
            <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Acerca de Qt&lt;/h3&gt;&lt;p&gt;Este programa usa Qt versión %1.&lt;/p&gt;</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Sí</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Interrumpir</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Aplicar</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Reinicializar</translation>
        </message>
        <message>
            <source>Retry</source>
            <translation>Reintentar</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>Restaurar los valores predeterminados</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translation>Ignorar</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>N&amp;o a todo</translation>
        </message>
        <message>
            <source>Save All</source>
            <translation>Guardar todo</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Descartar</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Sí a &amp;todo</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>Cu&amp;t</source>
            <translation>Cor&amp;tar</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Copiar</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Rehacer</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Deshacer</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>&amp;Pegar</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Borrar</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Seleccionar todo</translation>
        </message>
    </context>
    <context>
        <name>QAccessibleActionInterface</name>
        <message>
            <source>Press</source>
            <translation>Pulsar</translation>
        </message>
        <message>
            <source>Shows the menu</source>
            <translation>Muestra el menú</translation>
        </message>
        <message>
            <source>Scrolls to the left</source>
            <translation>Desplazar hacia la izquierda</translation>
        </message>
        <message>
            <source>Scroll Down</source>
            <translation>Desplazar hacia abajo</translation>
        </message>
        <message>
            <source>Scroll Left</source>
            <translation>Desplazar hacia la izquierda</translation>
        </message>
        <message>
            <source>Goes back a page</source>
            <translation>Retrocede una página</translation>
        </message>
        <message>
            <source>Triggers the action</source>
            <translation>Desencadena la acción</translation>
        </message>
        <message>
            <source>Increase</source>
            <translation>Incrementar</translation>
        </message>
        <message>
            <source>Toggle</source>
            <translation>Conmutar</translation>
        </message>
        <message>
            <source>Toggles the state</source>
            <translation>Conmuta el estado</translation>
        </message>
        <message>
            <source>Scrolls up</source>
            <translation>Desplazar hacia arriba</translation>
        </message>
        <message>
            <source>Scrolls down</source>
            <translation>Desplazar hacia abajo</translation>
        </message>
        <message>
            <source>Scroll Up</source>
            <translation>Desplazar hacia arriba</translation>
        </message>
        <message>
            <source>Goes to the next page</source>
            <translation>Va a la página siguiente</translation>
        </message>
        <message>
            <source>Scrolls to the right</source>
            <translation>Desplazar hacia la derecha</translation>
        </message>
        <message>
            <source>Increase the value</source>
            <translation>Incrementa el valor</translation>
        </message>
        <message>
            <source>Decrease the value</source>
            <translation>Decrementa el valor</translation>
        </message>
        <message>
            <source>Decrease</source>
            <translation>Decrementar</translation>
        </message>
        <message>
            <source>Scroll Right</source>
            <translation>Desplazar hacia la derecha</translation>
        </message>
        <message>
            <source>Previous Page</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Sets the focus</source>
            <translation>Pone el foco</translation>
        </message>
        <message>
            <source>SetFocus</source>
            <translation>PonerFoco</translation>
        </message>
        <message>
            <source>Next Page</source>
            <translation>Página siguiente</translation>
        </message>
        <message>
            <source>ShowMenu</source>
            <translation>MostrarMenú</translation>
        </message>
    </context>
    <context>
        <name>QAbstractSpinBox</name>
        <message>
            <source>Step &amp;down</source>
            <translation>Re&amp;ducir</translation>
        </message>
        <message>
            <source>&amp;Step up</source>
            <translation>&amp;Aumentar</translation>
        </message>
        <message>
            <source>&amp;Select All</source>
            <translation>&amp;Seleccionar todo</translation>
        </message>
    </context>
</TS>
