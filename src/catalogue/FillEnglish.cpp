// The English texts of the catalogue; also the fallback for every other language.
#include "catalogue/Tables.h"

namespace loc {

void FillEnglish(TStringTable& table)
{
    typedef TStringTable::value_type T;
    table.insert(T(5, L"Add"));
    table.insert(T(6, L"Add Files"));
    table.insert(T(7, L"Add files to the audiobook file list."));
    table.insert(T(8, L"Remove"));
    table.insert(T(9, L"Remove File"));
    table.insert(T(10, L"Removes the selected file from the audiobook file list."));
    table.insert(T(11, L"Split"));
    table.insert(T(12, L"Split audiobook"));
    table.insert(T(13, L"Splits the audiobook files."));
    table.insert(T(14, L"Join"));
    table.insert(T(15, L"Join audiobook files"));
    table.insert(T(16, L"Merges all MP3 files into a single one."));
    table.insert(T(17, L"Move up"));
    table.insert(T(18, L"Move down"));
    table.insert(T(19, L"Clear all"));
    table.insert(T(20, L"Track Length"));
    table.insert(T(21, L"Track Prefix"));
    table.insert(T(22, L"Track"));
    table.insert(T(23, L"Help"));
    table.insert(T(24, L"Shows help on Vellomar."));
    table.insert(T(25, L"About Vellomar"));
    table.insert(T(26, L"Shows information about Vellomar."));
    table.insert(T(27, L"Quit"));
    table.insert(T(28, L"Quits the program."));
    table.insert(T(29, L"Audiobook MP3 Files"));
    table.insert(T(30, L"ID3 Tag"));
    table.insert(T(31, L"Split"));
    table.insert(T(32, L"Options"));
    table.insert(T(33, L"Progress Information"));
    table.insert(T(34, L"Welcome to Vellomar!"));
    table.insert(T(36, L"© 2009-2013 The Vellomar Authors"));
    table.insert(T(37, L"All rights reserved"));
    table.insert(T(38, L"This program is free software and released under the GPL."));
    table.insert(T(39, L"Special thanks to:"));
    table.insert(T(40, L"For more information, visit our website:"));
    table.insert(T(41, L"Select the destination directory"));
    table.insert(T(42, L"Wrote \"%s\""));
    table.insert(T(43, L"The audiobook was successfully split."));
    table.insert(T(44, L"Cancelled by user!"));
    table.insert(T(45, L"An error occurred: %s."));
    table.insert(T(46, L"Add audiobook files"));
    table.insert(T(47, L"Directory %s is not empty. Overwrite existing files if necessary?"));
    table.insert(T(48, L"MP3 Files"));
    table.insert(T(49, L"All Files"));
    table.insert(T(50, L"Added %s."));
    table.insert(T(51, L"Removed %s."));
    table.insert(T(52, L"min"));
    table.insert(T(53, L"s"));
    table.insert(T(54, L"ms"));
    table.insert(T(55, L"Changed minimum track length to %d minutes."));
    table.insert(T(56, L"Changed minimum track length to %d seconds."));
    table.insert(T(57, L"Splitting %s ..."));
    table.insert(T(58, L"Splitting ..."));
    table.insert(T(59, L"Please abort the split operation first."));
    table.insert(T(60, L"Do you really want to quit?"));
    table.insert(T(61, L"Changed basis track name to \"%s\"."));
    table.insert(T(62, L"Help us by making a donation"));
    table.insert(T(67, L"File %s not found."));
    table.insert(T(68, L"Could not open file %s."));
    table.insert(T(69, L"Directory %s not found."));
    table.insert(T(70, L"Could not open directoy %s."));
    table.insert(T(71, L"Error initializing audio decoder."));
    table.insert(T(72, L"Error reading file."));
    table.insert(T(73, L"Error writing file."));
    table.insert(T(74, L"Error opening file."));
    table.insert(T(75, L"Input audio file is corrupt."));
    table.insert(T(76, L"Error in split engine."));
    table.insert(T(77, L"Unexpected error occurred."));
    table.insert(T(78,
        L"The automatic detection of silence failed. Please reduce the minimum silence duration in "
        L"Split panel or check your MP3 source file."));
    table.insert(T(79, L"Would you like to save the log file?"));
    table.insert(T(80, L"Save log file"));
    table.insert(T(82, L"http://www.vellomar.org"));
    table.insert(T(83, L"http://www.vellomar.org"));
    table.insert(T(84, L"http://www.vellomar.org/donate.html"));
    table.insert(T(87, L"English texts by the Vellomar team."));
    table.insert(T(90, L"Vellomar Help"));
    table.insert(T(91,
        L"<br><br>"
        L"<h5>Introduction</h5>"
        L"<p>Vellomar is a program that splits long MP3 audiobook files into smaller ones without "
        L"re-encoding them, so the sound stays exactly as it was. It finds the split points automatically "
        L"by detecting the silence between sentences, so that no part begins or ends in the middle of a "
        L"word.</p>"
        L"<p>The program is useful for all kinds of spoken content, such as audiobooks, lectures, radio "
        L"plays and podcasts. Smaller files are much easier to navigate on portable players, and the "
        L"program's simple interface works well with screen readers and screen magnifiers.</p>"
        L"<br><br>"
        L"<i>Quoted from the Vellomar Wiki, the project's own encyclopaedia.</i>"
        L"<br><br>"
        L"<h5>How to use the program</h5>"
        L"<p>Vellomar is made for long MP3 recordings of speech. Music with few pauses is not a good "
        L"source for splitting at silences.</p>"
        L"<p><b>First</b> add one or more MP3 files to the file list. If an audiobook consists of several "
        L"files, make sure that they are in the correct order.</p>"
        L"<p><b>Second</b> start the split and choose the directory where the new files are to be "
        L"written. A progress window shows how far the split has come.</p>"
        L"<br><br>"
        L"<h5>The controls</h5>"
        L"<p>If you hold the mouse pointer over a control for a moment, a short reminder of its purpose "
        L"appears.</p>"
        L"<dl>"
        L"<dt><b>Add Files</b></dt><dd>Adds MP3 files to the audiobook file list.</dd>"
        L"<dt><b>Split Audiobook</b></dt><dd>Splits the files of the list into shorter parts.</dd>"
        L"<dt><b>Track Length</b></dt><dd>Sets the length of the parts, between 15 seconds and 80 "
        L"minutes.</dd>"
        L"<dt><b>Help</b></dt><dd>Shows this help page.</dd>"
        L"<dt><b>About Vellomar</b></dt><dd>Shows the version and the authors of the program.</dd>"
        L"<dt><b>Quit</b></dt><dd>Closes the program.</dd>"
        L"</dl>"
        L"<b>Keyboard Shortcuts</b><br>"
        L"Add files: Ctrl + O<br>"
        L"Remove selected file: Del<br>"
        L"Split: Ctrl + S<br>"
        L"Abort splitting: ESC<br>"
        L"Help dialog: F1<br>"
        L"Exit: Alt + F4<br>"));
    table.insert(T(92,
        L"Your help is needed:\nThe application's English translation is still incomplete.\n"
        L"Please contact the authors and support the project."));
    table.insert(T(93, L"Presets"));
    table.insert(T(94, L"Audiobook"));
    table.insert(T(95, L"Podcast (short silent periods with background noise)"));
    table.insert(T(96, L"Time Based (exact split without silence detection)"));
    table.insert(T(97, L"Pause Based (split at each pause)"));
    table.insert(T(98, L"Custom Settings"));
    table.insert(T(99, L"as short as possible"));
    table.insert(T(100, L"Split Options"));
    table.insert(T(101, L"Silence Detection"));
    table.insert(T(102, L"Split in the middle of a silence section"));
    table.insert(T(103, L"Definition of Silence"));
    table.insert(T(104, L"Noise Level"));
    table.insert(T(105, L"low"));
    table.insert(T(106, L"medium"));
    table.insert(T(107, L"high"));
    table.insert(T(108, L"automatic"));
    table.insert(T(109, L"Minimum Duration"));
    table.insert(T(110, L"Insert additional silence before and after split"));
    table.insert(T(111, L"Automatic Mode"));
    table.insert(T(112, L"Default Settings"));
    table.insert(T(113, L"Creation Options"));
    table.insert(T(114, L"Create ID3 Tags"));
    table.insert(T(115, L"Version"));
    table.insert(T(116, L"ID3v1.1"));
    table.insert(T(117, L"ID3v2.3"));
    table.insert(T(118, L"ID3v1.1 and ID3v2.3"));
    table.insert(T(119, L"Content"));
    table.insert(T(120, L"Generate title from name of audio file"));
    table.insert(T(121, L"Generate album name from title"));
    table.insert(T(122, L"Title"));
    table.insert(T(123, L"Album"));
    table.insert(T(124, L"Genre"));
    table.insert(T(125, L"Speech"));
    table.insert(T(126, L"Audiobook"));
    table.insert(T(127, L"Author"));
    table.insert(T(128, L"Comment"));
    table.insert(T(129, L"Example:"));
    table.insert(T(130, L"Track Number Position"));
    table.insert(T(131, L"Add track numbers at the beginning of a title name"));
    table.insert(T(132, L"Add track numbers at the end of a title name"));
    table.insert(T(133, L"Track Number Format"));
    table.insert(T(134, L"no leading zeros"));
    table.insert(T(135, L"2 digits"));
    table.insert(T(136, L"3 digits"));
    table.insert(T(137, L"4 digits"));
    table.insert(T(138, L"General"));
    table.insert(T(139, L"Language"));
    table.insert(T(140, L"File Handling"));
    table.insert(T(141, L"Directory Handling"));
    table.insert(T(142, L"Save settings and remember directories"));
    table.insert(T(143, L"Merge files before split"));
    table.insert(T(144, L"Split files separately"));
    table.insert(T(145, L"Create playlist file"));
    table.insert(T(146, L"Automatically create sub directory for split files in destination folder"));
    table.insert(T(147, L"Use source directory as default destination"));
    table.insert(T(148, L"English"));
    table.insert(T(149, L"German"));
    table.insert(T(150, L"Spanish"));
    table.insert(T(151, L"French"));
    table.insert(T(152, L"Polish"));
    table.insert(T(153, L"Swedish"));
    table.insert(T(154, L"Portuguese"));
}

} // namespace loc
