#pragma once

#include <QString>

// The words of the events reminder: counts, prompts, and the step-by-step tips.
namespace EventTexts {

inline const QString kLineBreak = QStringLiteral("\r\n");
// Ends every guided tip except the first one of a new event.
inline const QString kCancelSuffix
    = kLineBreak + kLineBreak + QStringLiteral("Click CANCEL to stop");

inline const QString kTypes[] = {
    QStringLiteral("Anniversary"), QStringLiteral("Appointment"), QStringLiteral("Birthday"),
    QStringLiteral("Occasion"),    QStringLiteral("To Do!"),
};

QString countText(int rows);                   // "3 Events Scheduled"
QString emptyDayText(const QString &dateText); // "No Events for: 12/09/2026"

// Message boxes.
inline const QString kEmptyDayQuestion = QStringLiteral("No scheduled events.") + kLineBreak
    + QStringLiteral("Would you like to add an Event?");
inline const QString kEmptyDayTitle = QStringLiteral("No Events Scheduled");
inline const QString kNoRecords = QStringLiteral("No Records Found");
inline const QString kMissingData = QStringLiteral("All Fields Must Contain Data");
inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kDeleteQuestion
    = QStringLiteral("Are You Sure You Want To Delete This Record");
inline const QString kDeleteTitle = QStringLiteral("Delete Record");
inline const QString kSelectFirst = QStringLiteral("Please select an event in the list first.");
inline const QString kSelectFirstTitle = QStringLiteral("ORVANE Info");

// Tips.
inline const QString kListHint = QStringLiteral("To add a new event, click the ADD EVENT button")
    + kLineBreak + kLineBreak
    + QStringLiteral("To delete or edit an event hightlight the event then click the DELETE "
                     "EVENT or EDIT EVENT button.");
inline const QString kSelectedTip
    = QStringLiteral("By clicking the listbox you can view, delete or edit this event.")
    + kLineBreak + kLineBreak
    + QStringLiteral("To delete click DELETE EVENT, to edit click EDIT EVENT");
inline const QString kAddTip = QStringLiteral(
    "The date is automatically entered.  You can change this if you wish. Now click the Notify "
    "Date box and a calendar will pop up");
inline const QString kEditTip = QStringLiteral("To edit an event select any or all fields to be "
                                               "changed then click the SAVE EVENT button")
    + kCancelSuffix;
inline const QString kSavedTip = QStringLiteral("Event is saved!") + kLineBreak
    + QStringLiteral("To add a new event click the ADD EVENT button") + kCancelSuffix;
inline const QString kCancelTip = QStringLiteral("You have choosen to cancel the event. To add a "
                                                 "new event click the Add Event button")
    + kCancelSuffix;
inline const QString kNotifyTip
    = QStringLiteral("Click a calendar date to be notified on then click the SET DATE button")
    + kCancelSuffix;
inline const QString kSetDateTip
    = QStringLiteral("Now select a TYPE.  This can be a birthday, anniversary, etc.")
    + kCancelSuffix;
inline const QString kTypeTip = QStringLiteral("Great! Now enter a Title.  It is important for "
                                               "this to be unique as this will be what is used "
                                               "to notify you.")
    + kCancelSuffix;
inline const QString kTitleTip = QStringLiteral("Now enter a message.  This can be anything, even "
                                                "one letter but it needs to contain at least one "
                                                "letter.")
    + kCancelSuffix;
inline const QString kMessageTip
    = QStringLiteral("THAT'S IT!  Click the SAVE EVENT button and you are finished!!!")
    + kCancelSuffix;
inline const QString kMissedTip
    = QStringLiteral("Orvane has checked the days that you did not run the program.") + kLineBreak
    + kLineBreak
    + QStringLiteral("These dates are listed in the listbox.  Click on a date.  If nothing "
                     "happens then no events were missed.");

} // namespace EventTexts
