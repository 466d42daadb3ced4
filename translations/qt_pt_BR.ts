<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>QShortcut</name>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>Up</source>
            <translation>Acima</translation>
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
            <translation>Abaixo</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Home</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Esquerda</translation>
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
            <translation>Direita</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation>Shift</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Espaço</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>Escape</source>
            <translation>Escape</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Insert</translation>
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
            <translation>Page Up</translation>
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
            <translation>Page Down</translation>
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
            <translation>&amp;Não</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Sim</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ajuda</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salvar</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Aplicar</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Restaurar</translation>
        </message>
        <message>
            <source>Retry</source>
            <translation>Repetir</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>Restaurar padrões</translation>
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
            <translation>Nã&amp;o para tudo</translation>
        </message>
        <message>
            <source>Save All</source>
            <translation>Salvar tudo</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Descartar</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Sim par&amp;a tudo</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>Cu&amp;t</source>
            <translation>Recor&amp;tar</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Copiar</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Refazer</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Desfazer</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>C&amp;olar</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Excluir</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Selecionar tudo</translation>
        </message>
    </context>
    <context>
        <name>QAccessibleActionInterface</name>
        <message>
            <source>Press</source>
            <translation>Pressionar</translation>
        </message>
        <message>
            <source>Shows the menu</source>
            <translation>Mostra o menu</translation>
        </message>
        <message>
            <source>Scrolls to the left</source>
            <translation>Desloca para a esquerda</translation>
        </message>
        <message>
            <source>Scroll Down</source>
            <translation>Rolar para baixo</translation>
        </message>
        <message>
            <source>Scroll Left</source>
            <translation>Deslocar para a esquerda</translation>
        </message>
        <message>
            <source>Goes back a page</source>
            <translation>Volta uma página</translation>
        </message>
        <message>
            <source>Triggers the action</source>
            <translation>Ativa a ação</translation>
        </message>
        <message>
            <source>Increase</source>
            <translation>Aumentar</translation>
        </message>
        <message>
            <source>Toggle</source>
            <translation>Alternar</translation>
        </message>
        <message>
            <source>Toggles the state</source>
            <translation>Alterna o estado</translation>
        </message>
        <message>
            <source>Scrolls up</source>
            <translation>Desloca para cima</translation>
        </message>
        <message>
            <source>Scrolls down</source>
            <translation>Desloca para baixo</translation>
        </message>
        <message>
            <source>Scroll Up</source>
            <translation>Rolar para cima</translation>
        </message>
        <message>
            <source>Goes to the next page</source>
            <translation>Avança para a próxima página</translation>
        </message>
        <message>
            <source>Scrolls to the right</source>
            <translation>Desloca para a direita</translation>
        </message>
        <message>
            <source>Increase the value</source>
            <translation>Aumenta o valor</translation>
        </message>
        <message>
            <source>Decrease the value</source>
            <translation>Diminui o valor</translation>
        </message>
        <message>
            <source>Decrease</source>
            <translation>Diminuir</translation>
        </message>
        <message>
            <source>Scroll Right</source>
            <translation>Deslocar para a direita</translation>
        </message>
        <message>
            <source>Previous Page</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Sets the focus</source>
            <translation>Define o foco</translation>
        </message>
        <message>
            <source>SetFocus</source>
            <translation>DefinirFoco</translation>
        </message>
        <message>
            <source>Next Page</source>
            <translation>Próxima página</translation>
        </message>
        <message>
            <source>ShowMenu</source>
            <translation>MostrarMenu</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>Show Details...</source>
            <translation>Mostrar detalhes...</translation>
        </message>
        <message>
            <source>About Qt</source>
            <translation>Sobre o Qt</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translation>Ocultar detalhes...</translation>
        </message>
        <message>
            <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
            <translation>&lt;h3&gt;Sobre o Qt&lt;/h3&gt;&lt;p&gt;Este programa usa a versão %1 do Qt.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
            <translation>&lt;p&gt;Qt é um conjunto de ferramentas C++ para desenvolvimento de aplicativos multiplataforma.&lt;/p&gt;&lt;p&gt;O Qt oferece portabilidade de fonte única em todos os principais sistemas operacionais para desktop. Também está disponível para Linux embarcado e outros sistemas operacionais embarcados e móveis.&lt;/p&gt;&lt;p&gt;Está disponível sob múltiplas opções de licenciamento projetadas para acomodar as necessidades de nossos vários usuários.&lt;/p&gt;&lt;p&gt;O Qt licenciado sob nosso contrato de licença comercial é apropriado para desenvolvimento de software proprietário/comercial onde você não quer compartilhar nenhum código-fonte com terceiros ou não pode cumprir com os termos da GNU (L)GPL.&lt;/p&gt;&lt;p&gt;O Qt licenciado sob GNU (L)GPL é apropriado para desenvolvimento de aplicativos Qt&amp;nbsp;desde que você possa cumprir com os termos e condições das respectivas licenças.&lt;/p&gt;&lt;p&gt;Consulte &lt;a href="http://%2/"&gt;%2&lt;/a&gt; para ter uma visão geral da licença do Qt.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd e outros colaboradores.&lt;/p&gt;&lt;p&gt;Qt e o logotipo Qt são marcas registradas da The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt é o produto da The Qt Company Ltd desenvolvido como um projeto de código aberto. Consulte &lt;a href="http://%3/"&gt;%3&lt;/a&gt; para mais informações.&lt;/p&gt;</translation>
        </message>
    </context>
    <context>
        <name>QAbstractSpinBox</name>
        <message>
            <source>Step &amp;down</source>
            <translation>&amp;Diminuir</translation>
        </message>
        <message>
            <source>&amp;Step up</source>
            <translation>&amp;Aumentar</translation>
        </message>
        <message>
            <source>&amp;Select All</source>
            <translation>&amp;Selecionar tudo</translation>
        </message>
    </context>
</TS>
