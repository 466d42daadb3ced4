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
    //: Said where the difficulty field cannot take the number typed. %1 is its highest value, 99.
    highestDifficulty: QT_TRANSLATE_NOOP('page', 'The highest difficulty is %1.'),
    //: Said where the bonus step field cannot take the number typed. %1 is its highest value, 40.
    highestBonusStep: QT_TRANSLATE_NOOP('page', 'The highest bonus step is %1.'),
    //: Said where a number field was given a number that starts with 0, or 0 alone.
    leadingZero: QT_TRANSLATE_NOOP('page', 'A number here never starts with 0; an empty field means none.'),
    //: Said where a number field was given something other than digits.
    digitsOnly: QT_TRANSLATE_NOOP('page', 'Only digits go in this field.'),
    //: The menu item that gives the last roll's line to the phone's own share sheet.
    share: QT_TRANSLATE_NOOP('page', 'Share last roll'),
    //: How a screen reader hears a step's odds, one line after the other ("Average total: 5.50;
    //: Rule of One: 1 in 36"). Never a full stop: after a number it reads as an ordinal.
    oddsJoin: QT_TRANSLATE_NOOP('OddsWords', '%1; %2'),
    //: What a screen reader calls the 40 step options as one group.
    steps: QT_TRANSLATE_NOOP('dicewright::MainWindow', 'Steps'),
  };
}());
