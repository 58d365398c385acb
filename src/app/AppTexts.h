// The application's own messages, titles, status texts and file names: the
// project commands of the File menu, start-up and shutdown.
#pragma once

#include "base/ProductInfo.h"

namespace kestrova::texts {

// Title of the application's message boxes that name no title of their own.
inline constexpr const char* kAppTitle = kProductName;
// The main window's load appends this to the product name in captions.
inline constexpr const char* kProSuffix = " Pro";

// File dialogs.
inline constexpr const char* kProjectFilter = "*.rnk";
inline constexpr const char* kDotProjectExtension = ".rnk";
inline constexpr const char* kOpenProjectTitle = "Open Project from a File";
inline constexpr const char* kSaveProjectTitle = "Write Project to a File";
inline constexpr const char* kFirstProjectName = "firstone";

// Questions and refusals of the project commands.
inline constexpr const char* kLoseChangesAsk = "Lose changes made so far?";
inline constexpr const char* kSaveBeforeClosingAsk = "Save Project file before closing?";
inline constexpr const char* kSaveBeforeClosingTitle = "Save Project File";
inline constexpr const char* kWarningTitle = "Warning";
inline constexpr const char* kNotReadWrongExtension =
    "Filename must end in extension of rnk\r\nFile will not be read!";
inline constexpr const char* kNotSavedWrongExtension =
    "Filename must end in extension of rnk\r\nFile will not be saved!";
inline constexpr const char* kMustExist = "Filename must exist to be read!";
// "This project names engines ... give: A, B." then what a save would do.
inline constexpr const char* kDroppedEnginesLead =
    "This project names engines that the engines file did not give: ";
inline constexpr const char* kDroppedEnginesTail =
    ".\r\n\r\nThey are left out of its lists, and saving the project leaves them out of the "
    "file for good. Mend the engines file and start the program again to keep them.";
inline constexpr const char* kDialogError = "There was an error detected\r\n\r\nerr=";

// Status bar, panel 3.
inline constexpr const char* kLoadingFile = "Loading file....";
inline constexpr const char* kSavingFile = "Saving file .....";
inline constexpr const char* kClosingDown = "Closing down .....";
// Panel 1 when a report, saved page or record could not be written.
inline constexpr const char* kCouldNotWrite = "Could not write ";

// The ".rnk" association, asked about once.
inline constexpr const char* kAssociateAsk = "Do you wish to associate \".rnk\" with Kestrova";
inline constexpr const char* kAssociateTitle = "Change File Association";

// Viewing reports: a Log report no run has written yet (panel 3, then its
// path), and a report that could not be written (a message, then the reason).
inline constexpr const char* kNoLogReport = "No run has written a Log report yet: ";
inline constexpr const char* kReportNotWritten = "The report could not be written.\r\n\r\n";

}  // namespace kestrova::texts
