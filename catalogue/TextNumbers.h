#pragma once
// The catalogue's texts by name: the number of every text the program shows, once for both
// editions. The page's constants are generated from this file (web/generate.mjs reads every
// `inline constexpr int Name = number;` line below), so keep each on a line of its own.

namespace Texts {

// The dialogs' buttons.
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;

// The main window: menus, buttons and panel titles.
inline constexpr int HelpMenu = 4;
inline constexpr int End = 5;
inline constexpr int InjectButton = 11;
inline constexpr int ReverseButton = 12;
inline constexpr int SupplyButton = 13;
inline constexpr int VoltagePanel = 14;
inline constexpr int StopwatchPanel = 15;
inline constexpr int TemperaturePanel = 16;
inline constexpr int DescriptionItem = 17;
inline constexpr int LanguageItem = 18;
inline constexpr int MeasurementMenu = 20;
inline constexpr int NotebookItem = 21;
inline constexpr int IoniseItem = 22;
inline constexpr int BrownianItem = 23;
inline constexpr int MainTitle = 200;

// The identity prompt and the About box.
inline constexpr int PromptTitle = 256;
inline constexpr int PromptInstruction = 257;
inline constexpr int About = 401;
inline constexpr int AboutHeading = 402;
inline constexpr int AboutLine2 = 403;
inline constexpr int AboutLine3 = 404;
inline constexpr int AboutLine4 = 405;
inline constexpr int AboutLine5 = 406;

// The notebook: its window, its columns, its files and its messages.
inline constexpr int NotebookTitle = 500;
inline constexpr int DropletColumn = 501;
inline constexpr int TicksColumn = 502;
inline constexpr int DistanceColumn = 503;
inline constexpr int TimeColumn = 504;
inline constexpr int DirectionColumn = 505;
inline constexpr int VoltageColumn = 506;
inline constexpr int TemperatureColumn = 507;
inline constexpr int SpeedColumn = 508;
inline constexpr int RadiusColumn = 509;
inline constexpr int ChargeColumn = 510;
inline constexpr int Fall = 511;
inline constexpr int Rise = 512;
inline constexpr int Balanced = 513;
inline constexpr int DeleteRows = 514;
inline constexpr int ExportCsv = 515;
inline constexpr int NotebookKeys = 516;
inline constexpr int NotebookSetAside = 517;
inline constexpr int NotebookLeftAlone = 518;
inline constexpr int NotebookNotSaved = 519;
inline constexpr int FileNotWritten = 520;
inline constexpr int CsvFiles = 521;
inline constexpr int SaveReport = 522;
inline constexpr int Estimate = 523;
inline constexpr int TooFewForEstimate = 524;
inline constexpr int CountAxis = 525;
inline constexpr int ReportTitle = 526;
inline constexpr int ReportIdentifier = 527;
inline constexpr int ReportMade = 528;
inline constexpr int PdfFiles = 529;
inline constexpr int AfterBurst = 530;

// The page's own texts.
inline constexpr int PageMicroscope = 600;
inline constexpr int PageVoltmeter = 602;
inline constexpr int PageThermometer = 603;
inline constexpr int RaiseVoltage = 604;
inline constexpr int LowerVoltage = 605;
inline constexpr int RaiseTemperature = 606;
inline constexpr int LowerTemperature = 607;
inline constexpr int ShiftViewAcross = 608;
inline constexpr int ShiftViewUpDown = 609;
inline constexpr int Close = 610;
inline constexpr int GuideTitle = 611;
inline constexpr int PageCannotClose = 612;
inline constexpr int OpenCsv = 613;
inline constexpr int FileNotNotebook = 614;
inline constexpr int StoredSetAside = 615;
inline constexpr int StoredLeftAlone = 616;
inline constexpr int StoredNotKept = 617;
inline constexpr int StorageFull = 618;
inline constexpr int StorageRefused = 619;
inline constexpr int StartStopwatchItem = 620;
inline constexpr int StopStopwatchItem = 621;
inline constexpr int RecordItem = 622;
inline constexpr int ClassReport = 623;
inline constexpr int NoClassNotebook = 624;
inline constexpr int RecordButton = 625;

// What assistive technology is told.
inline constexpr int SpokenMicroscope = 650;
inline constexpr int SpokenVoltmeter = 651;
inline constexpr int SpokenSupplyLamp = 652;
inline constexpr int SpokenThermometer = 653;
inline constexpr int SpokenViewAcross = 654;
inline constexpr int SpokenViewUpDown = 655;
inline constexpr int MicroscopeKeys = 656;
inline constexpr int LampOn = 657;
inline constexpr int LampOff = 658;
inline constexpr int NoDropletInView = 659;
inline constexpr int OneDropletInView = 660;
inline constexpr int DropletsInView = 661;
inline constexpr int Following = 662;
inline constexpr int OutOfView = 663;
inline constexpr int AboveCentre = 664;
inline constexpr int BelowCentre = 665;
inline constexpr int AtCentre = 666;
inline constexpr int Falling = 667;
inline constexpr int Rising = 668;
inline constexpr int AtRest = 669;
inline constexpr int StopwatchStopped = 670;
inline constexpr int RowRecorded = 671;
inline constexpr int RowRecordedNoDroplet = 672;

// Why a notebook cannot be read.
inline constexpr int OnLine = 700;
inline constexpr int FileTooLong = 701;
inline constexpr int NotUtf8 = 702;
inline constexpr int NoHeader = 703;
inline constexpr int WrongHeader = 704;
inline constexpr int OpenQuote = 705;
inline constexpr int CellCount = 706;
inline constexpr int BadDroplet = 707;
inline constexpr int BadTicks = 708;
inline constexpr int BadTime = 709;
inline constexpr int BadDirection = 710;
inline constexpr int BadVoltage = 711;
inline constexpr int BadTemperature = 712;
inline constexpr int NoSuchFile = 713;
inline constexpr int NotAllowed = 714;
inline constexpr int Unreadable = 715;
inline constexpr int NoNotebooks = 716;
inline constexpr int BadSpray = 717;
inline constexpr int BadBursts = 718;
inline constexpr int BadPressure = 719;

// The class's report.
inline constexpr int ClassReportTitle = 720;
inline constexpr int ClassPooled = 721;
inline constexpr int StudentColumn = 722;
inline constexpr int DropletsColumn = 723;
inline constexpr int ChargesColumn = 724;
inline constexpr int EstimateColumn = 725;
inline constexpr int FromClassColumn = 726;
inline constexpr int NoteColumn = 727;
inline constexpr int FarFromClass = 728;
inline constexpr int TooFewCharges = 729;
inline constexpr int LeftOut = 730;

// The assessed chamber and the teacher's answer key.
inline constexpr int ClassCodeEmpty = 731;
inline constexpr int ClassCodeTooLong = 732;
inline constexpr int ClassCodeUnsafe = 733;
inline constexpr int ClassCodeUnusable = 734;
inline constexpr int AnswerKey = 735;
inline constexpr int KeyRow = 736;
inline constexpr int TrueRadius = 737;
inline constexpr int TrueCharge = 738;
inline constexpr int RowCharge = 739;
inline constexpr int Verdict = 740;
inline constexpr int VerdictRight = 741;
inline constexpr int VerdictMisread = 742;
inline constexpr int VerdictNotFromChamber = 743;
inline constexpr int VerdictFromChamber = 744;
inline constexpr int ChamberColumn = 745;
inline constexpr int ChargesRightColumn = 746;
inline constexpr int SomeOfAll = 747;
inline constexpr int NotAssessed = 748;
inline constexpr int CopyOf = 749;
inline constexpr int ClassCodeField = 750;

// Real air: the pressure control and the two analyses of the slip.
inline constexpr int RealAirItem = 751;
inline constexpr int PressurePanel = 752;
inline constexpr int RaisePressure = 753;
inline constexpr int LowerPressure = 754;
inline constexpr int PressureColumn = 755;
inline constexpr int CorrectedAnalysis = 756;
inline constexpr int ExtrapolatedEstimate = 757;
inline constexpr int ExtrapolationTooFew = 758;
inline constexpr int ExtrapolationXAxis = 759;
inline constexpr int ExtrapolationYAxis = 760;
inline constexpr int ExtrapolationPlot = 761;

// The teacher's settings of a lesson and the learning platform.
inline constexpr int TeacherSettingsItem = 762;
inline constexpr int SettingsInForce = 763;
inline constexpr int SettingLanguage = 764;
inline constexpr int SettingNoCalculations = 765;
inline constexpr int SettingBrownian = 766;
inline constexpr int SettingRealAir = 767;
inline constexpr int SettingClassCode = 768;
inline constexpr int SettingDroplets = 769;
inline constexpr int TeacherTitle = 770;
inline constexpr int LanguageLabel = 771;
inline constexpr int CalculationsBox = 772;
inline constexpr int BrownianBox = 773;
inline constexpr int RealAirBox = 774;
inline constexpr int ClassCodeLabel = 775;
inline constexpr int DropletsLabel = 776;
inline constexpr int PageAddressLabel = 777;
inline constexpr int AddressLabel = 778;
inline constexpr int CopyAddress = 779;
inline constexpr int SavePage = 780;
inline constexpr int SaveScorm = 781;
inline constexpr int IniLabel = 782;
inline constexpr int AddressCopied = 783;
inline constexpr int HtmlFiles = 784;
inline constexpr int ZipFiles = 785;
inline constexpr int NoPageToSave = 786;
inline constexpr int ScormTooLarge = 787;
inline constexpr int ScormRefused = 788;
inline constexpr int ScormUnreadable = 789;
inline constexpr int LessonProgressText = 790;
inline constexpr int QrCodeName = 791;
inline constexpr int FileWritten = 793;
inline constexpr int NoSettingsPlace = 794;

} // namespace Texts
