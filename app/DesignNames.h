// The design names of the window and its controls.  Each control carries its name as
// its Qt object name, so tests and UI automation find controls by the names of the
// window's design, while the code names them by role.
#pragma once

namespace corvane::app::design {

inline constexpr char kWindow[] = "Form1";
inline constexpr char kClientArea[] = "ClientArea";

// The numbered steps on the right.
inline constexpr char kStepsPanel[] = "Panel1";
inline constexpr char kStepsArea[] = "Panel2";
inline constexpr char kDirectoryLabel[] = "Label2";
inline constexpr char kDirectoryEdit[] = "DirectoryEdit1";
inline constexpr char kBrowseButton[] = "DirectoryEdit1Button";
inline constexpr char kDayLabel[] = "Label4";
inline constexpr char kDayList[] = "ListBox1";
inline constexpr char kServiceLabel[] = "Label3";
inline constexpr char kServiceList[] = "ListView3";
inline constexpr char kStartButton[] = "Button1";
inline constexpr char kProgressBar[] = "ProgressBar1";

// The results of the last run.
inline constexpr char kResultSplitter[] = "Splitter1";
inline constexpr char kResultPanel[] = "Panel3";
inline constexpr char kResultLabel[] = "Label1";
inline constexpr char kResultList[] = "ListView1";

// The details of the selected service.
inline constexpr char kDetailPanel[] = "Panel4";
inline constexpr char kDetailLabel[] = "Label6";
inline constexpr char kDetailTabs[] = "PageControl1";
inline constexpr char kKnownTab[] = "TabSheet1";
inline constexpr char kKnownSplitter[] = "Splitter2";
inline constexpr char kKnownErrorList[] = "ListView2";
inline constexpr char kExplanationText[] = "Memo1";
inline constexpr char kUnknownTab[] = "TabSheet2";
inline constexpr char kRawTextLabel[] = "Label9";
inline constexpr char kUnknownErrorText[] = "Memo2";

// The page bar.
inline constexpr char kPageBar[] = "Panel6";
inline constexpr char kPageNumberLabel[] = "Label5";
inline constexpr char kPageSlashLabel[] = "Label7";
inline constexpr char kPageCountLabel[] = "Label8";
inline constexpr char kPreviousPageButton[] = "Button3";
inline constexpr char kNextPageButton[] = "Button2";

// Controls this window adds to the original design: finding a finding, moving to any
// page, and the lines around a finding.
inline constexpr char kCheckCataloguesButton[] = "CheckCataloguesButton";
inline constexpr char kFollowBox[] = "FollowCheckBox";
inline constexpr char kFindBar[] = "FindBar";
inline constexpr char kFindEdit[] = "FindEdit";
inline constexpr char kFindScope[] = "FindScope";
inline constexpr char kFindPreviousButton[] = "FindPreviousButton";
inline constexpr char kFindNextButton[] = "FindNextButton";
inline constexpr char kFindStatus[] = "FindStatus";
inline constexpr char kFirstPageButton[] = "FirstPageButton";
inline constexpr char kLastPageButton[] = "LastPageButton";
inline constexpr char kGoToPageEdit[] = "GoToPageEdit";
// The findings over the day: going to a time, their distribution, the per-code summary
// and the known-error list limited to one code.
inline constexpr char kGoToTimeEdit[] = "goToTimeEdit";
inline constexpr char kGoToTimeAction[] = "goToTimeAction";
inline constexpr char kTimelineTab[] = "timelineTab";
inline constexpr char kTimelineChart[] = "timelineChart";
inline constexpr char kTimelineSlotCombo[] = "timelineSlotCombo";
inline constexpr char kTimelineCodesBox[] = "timelineCodesBox";
inline constexpr char kTimelineOverlayBox[] = "timelineOverlayBox";
inline constexpr char kTimelineStatus[] = "timelineStatus";
inline constexpr char kCodeSummaryTab[] = "codeSummaryTab";
inline constexpr char kCodeSummaryList[] = "codeSummaryList";
inline constexpr char kCodeSummaryStatus[] = "codeSummaryStatus";
inline constexpr char kCodeSummaryShowAll[] = "codeSummaryShowAllButton";
inline constexpr char kCodeFilterBar[] = "codeFilterBar";
inline constexpr char kCodeFilterLabel[] = "codeFilterLabel";
inline constexpr char kCodeFilterShowAll[] = "codeFilterShowAllButton";
inline constexpr char kPatternsTab[] = "PatternsTab";
inline constexpr char kPatternList[] = "PatternList";
inline constexpr char kPatternLinesText[] = "PatternLinesText";
inline constexpr char kDraftButton[] = "DraftButton";
inline constexpr char kDraftText[] = "DraftText";
inline constexpr char kAddDraftButton[] = "AddDraftButton";
// Searching every line of the day's logs.
inline constexpr char kSearchTab[] = "SearchTab";
inline constexpr char kSearchEdit[] = "SearchEdit";
inline constexpr char kSearchRegex[] = "SearchRegex";
inline constexpr char kSearchCase[] = "SearchCase";
inline constexpr char kSearchButton[] = "SearchButton";
inline constexpr char kSearchStopButton[] = "SearchStopButton";
inline constexpr char kSearchStatus[] = "SearchStatus";
inline constexpr char kSearchList[] = "SearchList";

}  // namespace corvane::app::design
