// The texts of what installs the program: the desktop entry, the AppStream metainfo and the
// Windows installer's own messages. Qt's lupdate reads this file for the catalogues, and the
// build (packaging/catalogue_texts.py) writes each language's texts into those files; nothing
// runs it.
'use strict';

(function () {
  function QT_TRANSLATE_NOOP(context, source) { return { context, source }; }
  return [
    //: The desktop entry's generic name: what kind of program this is, in a menu.
    QT_TRANSLATE_NOOP('package', 'Dice Roller'),
    //: Words a desktop's search finds the program by, each followed by a semicolon.
    QT_TRANSLATE_NOOP('package', 'dice;roll;step;tabletop;role-playing;'),
    //: The first paragraph of the program's description in software centres.
    QT_TRANSLATE_NOOP('package', 'Dicewright rolls the exploding dice of a tabletop role-playing game whose tests are numbered steps. Pick one of 40 steps, from a four-sided die less two up to two twenty-sided dice with four more, press ROLL and read the total.'),
    //: The second paragraph of the program's description in software centres.
    QT_TRANSLATE_NOOP('package', 'A die that shows its highest face is thrown again and added on, and when every die of a step shows a one, the roll is a Rule of One.'),
    //: The installer, where a newer version is installed. %1 is the product's name, %2 the
    //: installed version, %3 this installer's version, %4 the folder.
    QT_TRANSLATE_NOOP('package', '%1 %2, newer than this installer\'s %3, is installed in %4.'),
    //: The installer's question after the note that a newer version is installed. %1 is this
    //: installer's version.
    QT_TRANSLATE_NOOP('package', 'Replace it with %1?'),
    //: The installer, where the chosen folder holds another program. %1 is the folder, %2 one
    //: of its files, %3 the product's name.
    QT_TRANSLATE_NOOP('package', '%1 already holds files of another program (such as %2), which %3 would replace. Please choose another folder.'),
    //: The installer, where an earlier version could not be removed. %1 is the product's name,
    //: %2 its folder.
    QT_TRANSLATE_NOOP('package', 'The earlier %1 in %2 could not be removed.'),
  ];
}());
