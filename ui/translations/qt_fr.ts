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
            <source>CD</source>
            <translation>CD</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Aller</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Non</translation>
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
            <source>DOS</source>
            <translation>DOS</translation>
        </message>
        <message>
            <source>Del</source>
            <translation>Suppr</translation>
        </message>
        <message>
            <source>Cut</source>
            <translation>Couper</translation>
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
            <source>New</source>
            <translation>Nouveau</translation>
        </message>
        <message>
            <source>Num</source>
            <translation>Num</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>Rouge</translation>
        </message>
        <message>
            <source>Tab</source>
            <translation>Tab</translation>
        </message>
        <message>
            <source>WWW</source>
            <translation>WWW</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Oui</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Précédent</translation>
        </message>
        <message>
            <source>Away</source>
            <translation>Absent</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>Bleu</translation>
        </message>
        <message>
            <source>Book</source>
            <translation>Livre</translation>
        </message>
        <message>
            <source>Call</source>
            <translation>Appeler</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Copier</translation>
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
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Find</source>
            <translation>Trouver</translation>
        </message>
        <message>
            <source>Flip</source>
            <translation>Retourner</translation>
        </message>
        <message>
            <source>Game</source>
            <translation>Jeu</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Début</translation>
        </message>
        <message>
            <source>Info</source>
            <translation>Info</translation>
        </message>
        <message>
            <source>Left</source>
            <translation>Gauche</translation>
        </message>
        <message>
            <source>Menu</source>
            <translation>Menu</translation>
        </message>
        <message>
            <source>Meta</source>
            <translation>Méta</translation>
        </message>
        <message>
            <source>News</source>
            <translation>Actualités</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>PgUp</source>
            <translation>Page préc</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Lecture</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Rétablir</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>Send</source>
            <translation>Envoyer</translation>
        </message>
        <message>
            <source>Shop</source>
            <translation>Magasin</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Arrêter</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Heure</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>XFer</source>
            <translation>XFer</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Affichage</translation>
        </message>
        <message>
            <source>Zoom</source>
            <translation>Zoom</translation>
        </message>
        <message>
            <source>Split Screen</source>
            <translation>Partager l'écran</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Effacer</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Eject</source>
            <translation>Éjecter</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Entrée</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>Vert</translation>
        </message>
        <message>
            <source>Guide</source>
            <translation>Guide</translation>
        </message>
        <message>
            <source>Kanji</source>
            <translation>Kanji</translation>
        </message>
        <message>
            <source>Music</source>
            <translation>Musique</translation>
        </message>
        <message>
            <source>Paste</source>
            <translation>Coller</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Phone</source>
            <translation>Téléphone</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Imprimer</translation>
        </message>
        <message>
            <source>Reply</source>
            <translation>Répondre</translation>
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
            <source>Sleep</source>
            <translation>Veille</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Espace</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Outils</translation>
        </message>
        <message>
            <source>Video</source>
            <translation>Vidéo</translation>
        </message>
        <message>
            <source>Hiragana</source>
            <translation>Hiragana</translation>
        </message>
        <message>
            <source>Wireless</source>
            <translation>Sans fil</translation>
        </message>
        <message>
            <source>Media Record</source>
            <translation>Média enregistrer</translation>
        </message>
        <message>
            <source>Media Rewind</source>
            <translation>Rembobiner</translation>
        </message>
        <message>
            <source>Multiple Candidate</source>
            <translation>Candidat multiple</translation>
        </message>
        <message>
            <source>Zenkaku</source>
            <translation>Zenkaku</translation>
        </message>
        <message>
            <source>Print Screen</source>
            <translation>Imprimer écran</translation>
        </message>
        <message>
            <source>Audio Repeat</source>
            <translation>Audio répéter</translation>
        </message>
        <message>
            <source>Toggle Call/Hangup</source>
            <translation>Décrocher/Raccrocher</translation>
        </message>
        <message>
            <source>Zoom In</source>
            <translation>Zoom avant</translation>
        </message>
        <message>
            <source>Camera Shutter</source>
            <translation>Prendre photo</translation>
        </message>
        <message>
            <source>Ultra Wide Band</source>
            <translation>Bande ultralarge</translation>
        </message>
        <message>
            <source>Hangul Special</source>
            <translation>Hangul Special</translation>
        </message>
        <message>
            <source>Treble Down</source>
            <translation>Aigus bas</translation>
        </message>
        <message>
            <source>Scroll Lock</source>
            <translation>Arrêt défilement</translation>
        </message>
        <message>
            <source>Media Pause</source>
            <translation>Média pause</translation>
        </message>
        <message>
            <source>Word Processor</source>
            <translation>Traitement de texte</translation>
        </message>
        <message>
            <source>Volume Down</source>
            <translation>Volume bas</translation>
        </message>
        <message>
            <source>Volume Mute</source>
            <translation>Volume muet</translation>
        </message>
        <message>
            <source>Kana Shift</source>
            <translation>Kana Shift</translation>
        </message>
        <message>
            <source>Media Previous</source>
            <translation>Média précédent</translation>
        </message>
        <message>
            <source>Home Page</source>
            <translation>Page d'accueil</translation>
        </message>
        <message>
            <source>Meeting</source>
            <translation>Réunion</translation>
        </message>
        <message>
            <source>Touchpad Off</source>
            <translation>Désactiver la plage tactile</translation>
        </message>
        <message>
            <source>Volume Up</source>
            <translation>Volume haut</translation>
        </message>
        <message>
            <source>Menu PB</source>
            <translation>Menu PB</translation>
        </message>
        <message>
            <source>Keyboard Brightness Up</source>
            <translation>Luminosité clavier haut</translation>
        </message>
        <message>
            <source>Hangul PostHanja</source>
            <translation>Hangul PostHanja</translation>
        </message>
        <message>
            <source>Kana Lock</source>
            <translation>Kana Lock</translation>
        </message>
        <message>
            <source>Community</source>
            <translation>Communauté</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Launch (6)</source>
            <translation>Lancer (6)</translation>
        </message>
        <message>
            <source>Launch (7)</source>
            <translation>Lancer (7)</translation>
        </message>
        <message>
            <source>Launch (8)</source>
            <translation>Lancer (8)</translation>
        </message>
        <message>
            <source>Launch (9)</source>
            <translation>Lancer (9)</translation>
        </message>
        <message>
            <source>Launch (2)</source>
            <translation>Lancer (2)</translation>
        </message>
        <message>
            <source>Launch (3)</source>
            <translation>Lancer (3)</translation>
        </message>
        <message>
            <source>Launch (4)</source>
            <translation>Lancer (4)</translation>
        </message>
        <message>
            <source>Launch (5)</source>
            <translation>Lancer (5)</translation>
        </message>
        <message>
            <source>Launch (0)</source>
            <translation>Lancer (0)</translation>
        </message>
        <message>
            <source>Launch (1)</source>
            <translation>Lancer (1)</translation>
        </message>
        <message>
            <source>Launch (F)</source>
            <translation>Lancer (F)</translation>
        </message>
        <message>
            <source>Launch (B)</source>
            <translation>Lancer (B)</translation>
        </message>
        <message>
            <source>Launch (C)</source>
            <translation>Lancer (C)</translation>
        </message>
        <message>
            <source>Launch (D)</source>
            <translation>Lancer (D)</translation>
        </message>
        <message>
            <source>Launch (E)</source>
            <translation>Lancer (E)</translation>
        </message>
        <message>
            <source>Launch (A)</source>
            <translation>Lancer (A)</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Escape</source>
            <translation>Échapement</translation>
        </message>
        <message>
            <source>Audio Random Play</source>
            <translation>Audio lecture aléatoire</translation>
        </message>
        <message>
            <source>Hangul</source>
            <translation>Hangul</translation>
        </message>
        <message>
            <source>Hangup</source>
            <translation>Raccrocher</translation>
        </message>
        <message>
            <source>Henkan</source>
            <translation>Henkan</translation>
        </message>
        <message>
            <source>Insert</source>
            <translation>Insérer</translation>
        </message>
        <message>
            <source>Home Office</source>
            <translation>Bureau à domicile</translation>
        </message>
        <message>
            <source>Last Number Redial</source>
            <translation>Bis</translation>
        </message>
        <message>
            <source>Logoff</source>
            <translation>Fermer session</translation>
        </message>
        <message>
            <source>Market</source>
            <translation>Marché</translation>
        </message>
        <message>
            <source>Massyo</source>
            <translation>Massyo</translation>
        </message>
        <message>
            <source>Bass Boost</source>
            <translation>Graves fort</translation>
        </message>
        <message>
            <source>Channel Up</source>
            <translation>Chaîne suivante</translation>
        </message>
        <message>
            <source>Option</source>
            <translation>Option</translation>
        </message>
        <message>
            <source>PgDown</source>
            <translation>Page suiv</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Recharger</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Romaji</source>
            <translation>Romaji</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Recherche</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>Sélectionner</translation>
        </message>
        <message>
            <source>SysReq</source>
            <translation>Syst</translation>
        </message>
        <message>
            <source>Travel</source>
            <translation>Voyager</translation>
        </message>
        <message>
            <source>NumLock</source>
            <translation>Verr num</translation>
        </message>
        <message>
            <source>WebCam</source>
            <translation>WebCam</translation>
        </message>
        <message>
            <source>Hiragana Katakana</source>
            <translation>Hiragana Katakana</translation>
        </message>
        <message>
            <source>Yellow</source>
            <translation>Jaune</translation>
        </message>
        <message>
            <source>Top Menu</source>
            <translation>Haut du menu</translation>
        </message>
        <message>
            <source>ScrollLock</source>
            <translation>Arrêt défil</translation>
        </message>
        <message>
            <source>Hot Links</source>
            <translation>Derniers favoris</translation>
        </message>
        <message>
            <source>Audio Cycle Track</source>
            <translation>Audio répéter la piste</translation>
        </message>
        <message>
            <source>Context1</source>
            <translation>Contexte1</translation>
        </message>
        <message>
            <source>Context2</source>
            <translation>Contexte2</translation>
        </message>
        <message>
            <source>Context3</source>
            <translation>Contexte3</translation>
        </message>
        <message>
            <source>Context4</source>
            <translation>Contexte4</translation>
        </message>
        <message>
            <source>Zoom Out</source>
            <translation>Zoom arrière</translation>
        </message>
        <message>
            <source>Page Up</source>
            <translation>Page haut</translation>
        </message>
        <message>
            <source>Open URL</source>
            <translation>Ouvrir URL</translation>
        </message>
        <message>
            <source>iTouch</source>
            <translation>iTouch</translation>
        </message>
        <message>
            <source>Previous Candidate</source>
            <translation>Candidat précédent</translation>
        </message>
        <message>
            <source>Toggle Media Play/Pause</source>
            <translation>Média Lecture/Pause</translation>
        </message>
        <message>
            <source>Caps Lock</source>
            <translation>Verr Maj</translation>
        </message>
        <message>
            <source>Eisu Shift</source>
            <translation>Eisu Shift</translation>
        </message>
        <message>
            <source>Code input</source>
            <translation>Entrée le code</translation>
        </message>
        <message>
            <source>Printer</source>
            <translation>Imprimante</translation>
        </message>
        <message>
            <source>Camera Focus</source>
            <translation>Focus appareil photo</translation>
        </message>
        <message>
            <source>Adjust Brightness</source>
            <translation>Régler luminosité</translation>
        </message>
        <message>
            <source>Spreadsheet</source>
            <translation>Feuille de calcul</translation>
        </message>
        <message>
            <source>Eisu toggle</source>
            <translation>Eisu toggle</translation>
        </message>
        <message>
            <source>Keyboard Brightness Down</source>
            <translation>Luminosité clavier bas</translation>
        </message>
        <message>
            <source>Clear Grab</source>
            <translation>Effacer la poignée</translation>
        </message>
        <message>
            <source>Monitor Brightness Up</source>
            <translation>Luminosité moniteur haut</translation>
        </message>
        <message>
            <source>System Request</source>
            <translation>Requète système</translation>
        </message>
        <message>
            <source>Microphone Volume Up</source>
            <translation>Augmenter le son du microphone</translation>
        </message>
        <message>
            <source>CapsLock</source>
            <translation>Verr maj</translation>
        </message>
        <message>
            <source>Backtab</source>
            <translation>Tab arr</translation>
        </message>
        <message>
            <source>Bass Up</source>
            <translation>Graves haut</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Batterie</translation>
        </message>
        <message>
            <source>Katakana</source>
            <translation>Katakana</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Rafraîchir</translation>
        </message>
        <message>
            <source>Hibernate</source>
            <translation>Veille prolongée</translation>
        </message>
        <message>
            <source>Application Left</source>
            <translation>Application gauche</translation>
        </message>
        <message>
            <source>Voice Dial</source>
            <translation>Commande vocale</translation>
        </message>
        <message>
            <source>Browser</source>
            <translation>Navigateur</translation>
        </message>
        <message>
            <source>Keyboard Menu</source>
            <translation>Menu clavier</translation>
        </message>
        <message>
            <source>Back Forward</source>
            <translation>Retour avant</translation>
        </message>
        <message>
            <source>Launch Mail</source>
            <translation>Lancer Boîte mail</translation>
        </message>
        <message>
            <source>Keyboard Light On/Off</source>
            <translation>Lumière clavier On/Off</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Effacement</translation>
        </message>
        <message>
            <source>Bass Down</source>
            <translation>Graves bas</translation>
        </message>
        <message>
            <source>Mail Forward</source>
            <translation>Faire suivre l'e-mail</translation>
        </message>
        <message>
            <source>Messenger</source>
            <translation>Messagerie instantanée</translation>
        </message>
        <message>
            <source>Hangul Banja</source>
            <translation>Hangul Banja</translation>
        </message>
        <message>
            <source>Hangul Hanja</source>
            <translation>Hangul Hanja</translation>
        </message>
        <message>
            <source>Standby</source>
            <translation>Attente</translation>
        </message>
        <message>
            <source>Hangul Start</source>
            <translation>Hangul début</translation>
        </message>
        <message>
            <source>Rotation KB</source>
            <translation>Rotation KB</translation>
        </message>
        <message>
            <source>Rotation PB</source>
            <translation>Rotation PB</translation>
        </message>
        <message>
            <source>Documents</source>
            <translation>Documents</translation>
        </message>
        <message>
            <source>Calculator</source>
            <translation>Calculatrice</translation>
        </message>
        <message>
            <source>Support</source>
            <translation>Support technique</translation>
        </message>
        <message>
            <source>Suspend</source>
            <translation>Suspendre</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>Affichage</translation>
        </message>
        <message>
            <source>Hangul Romaja</source>
            <translation>Hangul Romaja</translation>
        </message>
        <message>
            <source>My Sites</source>
            <translation>Mes sites</translation>
        </message>
        <message>
            <source>Rotate Windows</source>
            <translation>Tourner la fenêtre</translation>
        </message>
        <message>
            <source>Touroku</source>
            <translation>Touroku</translation>
        </message>
        <message>
            <source>Zenkaku Hankaku</source>
            <translation>Zenkaku Hankaku</translation>
        </message>
        <message>
            <source>Hangul Jeonja</source>
            <translation>Hangul Jeonja</translation>
        </message>
        <message>
            <source>Treble Up</source>
            <translation>Aigus haut</translation>
        </message>
        <message>
            <source>Subtitle</source>
            <translation>Sous-titre</translation>
        </message>
        <message>
            <source>Hangul Jamo</source>
            <translation>Hangul Jamo</translation>
        </message>
        <message>
            <source>Bluetooth</source>
            <translation>Bluetooth</translation>
        </message>
        <message>
            <source>Muhenkan</source>
            <translation>Muhenkan</translation>
        </message>
        <message>
            <source>Num Lock</source>
            <translation>Verr num</translation>
        </message>
        <message>
            <source>Screensaver</source>
            <translation>Économiseur d'écran</translation>
        </message>
        <message>
            <source>Number Lock</source>
            <translation>Verrouillage numérique</translation>
        </message>
        <message>
            <source>Power Down</source>
            <translation>Éteindre</translation>
        </message>
        <message>
            <source>Spellchecker</source>
            <translation>Correcteur orthographique</translation>
        </message>
        <message>
            <source>Hangul PreHanja</source>
            <translation>Hangul PreHanja</translation>
        </message>
        <message>
            <source>Terminal</source>
            <translation>Terminal</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Add Favorite</source>
            <translation>Ajouter favori</translation>
        </message>
        <message>
            <source>Execute</source>
            <translation>Exécuter</translation>
        </message>
        <message>
            <source>Finance</source>
            <translation>Finances</translation>
        </message>
        <message>
            <source>Microphone Volume Down</source>
            <translation>Diminuer le son du microphone</translation>
        </message>
        <message>
            <source>Task Panel</source>
            <translation>Panneau de tâches</translation>
        </message>
        <message>
            <source>Favorites</source>
            <translation>Favoris</translation>
        </message>
        <message>
            <source>Forward</source>
            <translation>Suivant</translation>
        </message>
        <message>
            <source>Page Down</source>
            <translation>Page bas</translation>
        </message>
        <message>
            <source>Wake Up</source>
            <translation>Réveiller</translation>
        </message>
        <message>
            <source>Power Off</source>
            <translation>Éteindre</translation>
        </message>
        <message>
            <source>LightBulb</source>
            <translation>Ampoule</translation>
        </message>
        <message>
            <source>Touchpad Toggle</source>
            <translation>Basculer la plage tactile</translation>
        </message>
        <message>
            <source>Hankaku</source>
            <translation>Hankaku</translation>
        </message>
        <message>
            <source>Media Fast Forward</source>
            <translation>Avance rapide</translation>
        </message>
        <message>
            <source>Hangul End</source>
            <translation>Hangul Fin</translation>
        </message>
        <message>
            <source>Monitor Brightness Down</source>
            <translation>Luminosité moniteur bas</translation>
        </message>
        <message>
            <source>Microphone Mute</source>
            <translation>Désactiver le microphone</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Historique</translation>
        </message>
        <message>
            <source>Media Play</source>
            <translation>Média lecture</translation>
        </message>
        <message>
            <source>Media Stop</source>
            <translation>Média arrêt</translation>
        </message>
        <message>
            <source>Media Next</source>
            <translation>Média suivant</translation>
        </message>
        <message>
            <source>Touchpad On</source>
            <translation>Activer la plage tactile</translation>
        </message>
        <message>
            <source>Channel Down</source>
            <translation>Chaîne précédente</translation>
        </message>
        <message>
            <source>Launch Media</source>
            <translation>Lancer média</translation>
        </message>
        <message>
            <source>Application Right</source>
            <translation>Application droite</translation>
        </message>
        <message>
            <source>Pictures</source>
            <translation>Images</translation>
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
