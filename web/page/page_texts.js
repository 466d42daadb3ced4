// The page's own texts, beyond those of the windows it shares with the desktop program: marked
// for the catalogues (Qt's lupdate reads this file as a plain script), worded by texts.js.
'use strict';

(function () {
  // Marks a text for the catalogues; the page translates it when it shows it.
  function QT_TRANSLATE_NOOP(context, source) { return { context, source }; }
  globalThis.dicewrightPageTexts = {
    loading: QT_TRANSLATE_NOOP('page', 'Loading…'),
    //: %1 is the product's name, Dicewright.
    again: QT_TRANSLATE_NOOP('page', 'Start %1 again'),
    //: %1 is the product's name.
    ended: QT_TRANSLATE_NOOP('page', '%1 has ended.'),
    //: %1 is the product's name, %2 what stopped it.
    stopped: QT_TRANSLATE_NOOP('page', '%1 has stopped: %2.'),
    //: %1 is the product's name, %2 what the browser said.
    cannotStart: QT_TRANSLATE_NOOP('page', '%1 cannot start here: %2'),
    //: %1 is the product's name.
    offline: QT_TRANSLATE_NOOP('page', '%1 could not be kept for use offline here: it will need the network to start next time.'),
    //: What the page and the installed app say the program is.
    description: QT_TRANSLATE_NOOP('page', 'Step dice roller for tabletop role-playing games'),
    //: Shown where the browser runs no scripts. %1 is the product's name.
    needsScripts: QT_TRANSLATE_NOOP('page', '%1 needs JavaScript.'),
    //: The button that puts the note about offline use away.
    ok: QT_TRANSLATE_NOOP('page', 'OK'),
    //: The button that closes the roll log.
    close: QT_TRANSLATE_NOOP('page', 'Close'),
    //: Said where a field cannot take what was typed. %1 is the field's name, %2 its highest value.
    highest: QT_TRANSLATE_NOOP('page', 'The highest %1 is %2.'),
    //: What a screen reader calls the 40 step options as one group.
    steps: QT_TRANSLATE_NOOP('dicewright::MainWindow', 'Steps'),
  };
}());
