// The page's own texts, in English. The build writes their German and French translations,
// taken from the program's catalogues, into page_translations.js; page.js picks the language.
'use strict';

(function () {
  // Marks a text for the catalogues (lupdate); the page translates it when it shows it.
  function QT_TRANSLATE_NOOP(context, text) { return text; }
  window.dicewrightPageTexts = {
    loading: QT_TRANSLATE_NOOP('page', 'Loading…'),
    //: %1 is how much of the program has arrived, as a whole percentage.
    progress: QT_TRANSLATE_NOOP('page', 'Loading… %1%'),
    compiling: QT_TRANSLATE_NOOP('page', 'Compiling…'),
    //: %1 is the product's name, Dicewright.
    again: QT_TRANSLATE_NOOP('page', 'Start %1 again'),
    //: %1 is the product's name.
    ended: QT_TRANSLATE_NOOP('page', '%1 has ended.'),
    //: %1 is the product's name, %2 what stopped it.
    stopped: QT_TRANSLATE_NOOP('page', '%1 has stopped: %2.'),
    unknownError: QT_TRANSLATE_NOOP('page', 'an error in the program'),
    //: %1 is the product's name, %2 what the browser said.
    cannotStart: QT_TRANSLATE_NOOP('page', '%1 cannot start here: %2'),
    //: %1 is the product's name.
    offline: QT_TRANSLATE_NOOP('page', '%1 could not be kept for use offline here: it will need the network to start next time.'),
    ok: QT_TRANSLATE_NOOP('page', 'OK'),
    //: What the page and the installed app say the program is.
    description: QT_TRANSLATE_NOOP('page', 'Step dice roller for tabletop role-playing games'),
  };
}());
