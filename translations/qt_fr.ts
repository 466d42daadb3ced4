<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>QShortcut</name>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>Up</source>
            <translation>Haut</translation>
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
            <translation>Suppr</translation>
        </message>
        <message>
            <source>End</source>
            <translation>Fin</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Échap</translation>
        </message>
        <message>
            <source>Ins</source>
            <translation>Inser</translation>
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
            <translation>Bas</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Début</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Gauche</translation>
        </message>
        <message>
            <source>Meta</source>
            <translation>Méta</translation>
        </message>
        <message>
            <source>PgUp</source>
            <translation>Page préc</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Entrée</translation>
        </message>
        <message>
            <source>Right</source>
            <translation>Droite</translation>
        </message>
        <message>
            <source>Shift</source>
            <translation>Maj</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Espace</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Escape</source>
            <translation>Échappement</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Insérer</translation>
        </message>
        <message>
            <source>PgDown</source>
            <translation>Page suiv</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Page Up</source>
            <translation>Page haut</translation>
        </message>
        <message>
            <source>Backtab</source>
            <translation>Tab arr</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Effacement</translation>
        </message>
        <message>
            <source>Page Down</source>
            <translation>Page bas</translation>
        </message>
    </context>
    <context>
        <name>QMessageBox</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Show Details...</source>
            <translation>Montrer les détails...</translation>
        </message>
        <message>
            <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
            <translation>&lt;p&gt;Qt est dédié au développement d'applications C++ multiplateformes.&lt;/p&gt;&lt;p&gt;Qt offre un code source unique compatible avec les principaux systèmes d'exploitation "de bureau" (Linux, Mac, Windows). Qt est également compatible avec des systèmes d'exploitation embarqués de type Linux ou autres.&lt;/p&gt;&lt;p&gt;Qt est utilisable sous les termes de trois types de licence différents, afin de répondre aux besoins d'un maximum d'utilisateurs.&lt;/p&gt;&lt;p&gt;La licence commerciale de Qt est appropriée pour le développement de logiciels propriétaires/commerciaux pour lesquels vous ne souhaitez pas partager le code source avec des tierces parties ou pour lesquels les termes de la licence GNU LGPL version 3 ou GNU LGPL version 2.1 ne vous conviennent pas.&lt;/p&gt;&lt;p&gt;La licence GNU LGPL version 3 de Qt est appropriée pour le développement d'applications Qt si vous acceptez les termes et conditions de la licence GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;La licence GNU LGPL version 2.1 est appropriée pour le développement d'applications Qt si vous acceptez les termes et conditions de la licence GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Veuillez consulter &lt;a href="http://%2/"&gt;%2&lt;/a&gt; pour le détail des différents types de licence Qt.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 "The Qt Company Ltd" et autres contributeurs.&lt;/p&gt;&lt;p&gt;Qt et le logo Qt sont des marques de "The Qt Company Ltd".&lt;/p&gt;&lt;p&gt;Qt est le produit de "The Qt Company Ltd", développé sous forme de projet open source. Veuillez trouver de plus amples information à &lt;a href="http://%3/"&gt;%3&lt;/a&gt;.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>About Qt</source>
            <translation>À propos de Qt</translation>
        </message>
        <message>
            <source>Hide Details...</source>
            <translation>Masquer les détails...</translation>
        </message>
        <message>
            <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
            <translation>&lt;h3&gt;À propos de Qt&lt;/h3&gt;&lt;p&gt;Ce programme utilise la version %1 de Qt.&lt;/p&gt;</translation>
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
            <translation>&amp;Non</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Oui</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Abandonner</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Appliquer</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Réinitialiser</translation>
        </message>
        <message>
            <source>Retry</source>
            <translation>Réessayer</translation>
        </message>
        <message>
            <source>Restore Defaults</source>
            <translation>Restaurer les valeurs par défaut</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Ignore</source>
            <translation>Ignorer</translation>
        </message>
        <message>
            <source>N&amp;o to All</source>
            <translation>Non à to&amp;ut</translation>
        </message>
        <message>
            <source>Save All</source>
            <translation>Tout enregistrer</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Ne pas tenir compte</translation>
        </message>
        <message>
            <source>Yes to &amp;All</source>
            <translation>Oui à &amp;tout</translation>
        </message>
    </context>
    <context>
        <name>QLineEdit</name>
        <message>
            <source>Cu&amp;t</source>
            <translation>Co&amp;uper</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>Cop&amp;ier</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Rétablir</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>Co&amp;ller</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Tout sélectionner</translation>
        </message>
    </context>
    <context>
        <name>QAccessibleActionInterface</name>
        <message>
            <source>Press</source>
            <translation>Appuyer</translation>
        </message>
        <message>
            <source>Shows the menu</source>
            <translation>Affiche le menu</translation>
        </message>
        <message>
            <source>Scrolls to the left</source>
            <translation>Défile vers la gauche</translation>
        </message>
        <message>
            <source>Scroll Down</source>
            <translation>Défiler vers le bas</translation>
        </message>
        <message>
            <source>Scroll Left</source>
            <translation>Défiler vers la gauche</translation>
        </message>
        <message>
            <source>Goes back a page</source>
            <translation>Revient à la page précédente</translation>
        </message>
        <message>
            <source>Triggers the action</source>
            <translation>Déclenche l'action</translation>
        </message>
        <message>
            <source>Increase</source>
            <translation>Augmenter</translation>
        </message>
        <message>
            <source>Toggle</source>
            <translation>Basculer</translation>
        </message>
        <message>
            <source>Toggles the state</source>
            <translation>Bascule l'état</translation>
        </message>
        <message>
            <source>Scrolls up</source>
            <translation>Défile vers le haut</translation>
        </message>
        <message>
            <source>Scrolls down</source>
            <translation>Défile vers le bas</translation>
        </message>
        <message>
            <source>Scroll Up</source>
            <translation>Défiler vers le haut</translation>
        </message>
        <message>
            <source>Goes to the next page</source>
            <translation>Va à la page suivante</translation>
        </message>
        <message>
            <source>Scrolls to the right</source>
            <translation>Défile vers la droite</translation>
        </message>
        <message>
            <source>Increase the value</source>
            <translation>Augmenter la valeur</translation>
        </message>
        <message>
            <source>Decrease the value</source>
            <translation>Diminuer la valeur</translation>
        </message>
        <message>
            <source>Decrease</source>
            <translation>Diminuer</translation>
        </message>
        <message>
            <source>Scroll Right</source>
            <translation>Défiler vers la droite</translation>
        </message>
        <message>
            <source>Previous Page</source>
            <translation>Page précédente</translation>
        </message>
        <message>
            <source>Sets the focus</source>
            <translation>Donne le focus</translation>
        </message>
        <message>
            <source>SetFocus</source>
            <translation>Définir le focus</translation>
        </message>
        <message>
            <source>Next Page</source>
            <translation>Page suivante</translation>
        </message>
        <message>
            <source>ShowMenu</source>
            <translation>Afficher le menu</translation>
        </message>
    </context>
    <context>
        <name>QAbstractSpinBox</name>
        <message>
            <source>Step &amp;down</source>
            <translation>&amp;Diminuer</translation>
        </message>
        <message>
            <source>&amp;Step up</source>
            <translation>&amp;Augmenter</translation>
        </message>
        <message>
            <source>&amp;Select All</source>
            <translation>Tout &amp;sélectionner</translation>
        </message>
    </context>
</TS>
