// Where the main window's controls stand and what they show; their behaviour is in
// main_form.cpp.
#include "app/main_window/main_form.h"
#include "app/shared/link_style.h"
#include "app/shared/product.h"
#include "model/text_format.h"

namespace halvex::app {

namespace {

constexpr ui::Color kHeaderColor = ui::Color::Rgb(0x2B, 0x4C, 0x6F);
constexpr ui::Color kLeftPanelColor = ui::Color::Rgb(0xE4, 0xEC, 0xF4);
constexpr ui::Color kSheetColor = ui::colors::kWhite;
constexpr int kLinkTop = 166;
constexpr int kLinkHeight = 20;
// CaptionImageList holds the two glyphs, then the pieces of header behind each.
constexpr int kHeaderBehindCaptionButtons = 2;

template <typename T, std::size_t... I>
std::array<T, tools::kToolCount> MakePerTool(std::index_sequence<I...>) {
  return {T(static_cast<int>(I) + 1)...};
}

ui::Label MakeLink(int number) {
  return ui::Label(tools::kTools[static_cast<std::size_t>(number - 1)].linkName,
                   tools::kTools[static_cast<std::size_t>(number - 1)].linkCaption);
}

template <std::size_t... I>
std::array<ui::Label, tools::kToolCount> MakeLinks(std::index_sequence<I...>) {
  return {MakeLink(static_cast<int>(I) + 1)...};
}

}  // namespace

THalvexMainForm::AdvancedPair::AdvancedPair(int number)
    : image(model::FormatText("ImageEx%d", number)),
      label(model::FormatText("abAdv%d", number),
            tools::kTools[static_cast<std::size_t>(number - 1)].pairCaption) {}

THalvexMainForm::THalvexMainForm(const ui::ProgramServices& services, TDM& dm,
                                 model::TMyRegistryInfo settings, std::string startArgument,
                                 ProgramHooks hooks)
    : ui::Form("HalvexMainForm", kMainWindowClass),
      services_(services),
      dm_(dm),
      settings_(std::move(settings)),
      startArgument_(std::move(startArgument)),
      hooks_(std::move(hooks)),
      toolLinks_(MakeLinks(std::make_index_sequence<tools::kToolCount>())),
      pairs_(MakePerTool<AdvancedPair>(std::make_index_sequence<tools::kToolCount>())) {
  borderStyle = ui::BorderStyle::None;
  SetBounds(ui::Rect::At(0, 0, kWidth, kHeight));
  SetColor(kSheetColor);
  // The caption at design time; the tray icon's tip is taken from it.
  SetCaption(kProductName);
  BuildHeader();
  BuildLeftPanel();
  BuildSheets();
  BindTrayMenu();
  UseTheProgramsOwnSteps();
  FormCreate();
}

void THalvexMainForm::UseTheProgramsOwnSteps() {
  if (!hooks_.showOptions) {
    hooks_.showOptions = [this](model::TMyRegistryInfo& settings) {
      ShowPreferences(services_, schedulerSession_, settings);
    };
  }
  if (!hooks_.checkForUpdate) hooks_.checkForUpdate = [this] { RunUpdateCheck(services_); };
  if (!hooks_.fillBackupList) hooks_.fillBackupList = [this] { backupSheet_->ListRepairBackups(); };
  // The automatic scan of a start with an argument is Scan Now.
  if (!hooks_.scanNow) hooks_.scanNow = [this] { scanDriver_->ScanNowBtnClick(); };
}

void THalvexMainForm::BuildHeader() {
  TDM& dm = dm_;
  HeaderPanel.SetBounds(ui::Rect::At(0, 0, kWidth, kHeaderHeight));
  HeaderPanel.SetColor(kHeaderColor);
  AddChild(HeaderPanel);

  HeaderLeftImage.SetBounds(ui::Rect::At(0, 0, 400, kHeaderHeight));
  HeaderLeftImage.SetImageList(&dm.HeaderLeftImageList);
  HeaderLeftImage.SetImageIndex(0);
  HeaderLeftImage.onMouseDown = [this](ui::MouseButton button, ui::Point) {
    if (button == ui::MouseButton::Left) services_.windows.BeginMoving(*this);
  };
  HeaderRightImage.SetBounds(ui::Rect::At(400, 0, kWidth - 400, kHeaderHeight));
  HeaderRightImage.SetImageList(&dm.HeaderRightImageList);
  HeaderRightImage.SetImageIndex(0);
  HeaderRightImage.onMouseDown = [this](ui::MouseButton button, ui::Point at) {
    // The strip below holds the header buttons; only the part above it moves the window.
    if (button == ui::MouseButton::Left && at.y >= 0 && at.y <= kHeaderDragHeight) {
      services_.windows.BeginMoving(*this);
    }
  };
  HeaderPanel.AddChild(HeaderLeftImage);
  HeaderPanel.AddChild(HeaderRightImage);

  // The header buttons stand on the right picture's lower strip.
  const struct {
    ui::Picture* button;
    int image;
    std::function<void()> click;
  } headerButtons[] = {
      {&HelpBtn, 0, [this] { HelpBtnClick(); }},
      {&OptionsBtn, 2, [this] { OptionsBtnClick(); }},
      {&AboutBtn, 6, [this] { AboutBtnClick(); }},
  };
  int x = 64;
  for (const auto& entry : headerButtons) {
    entry.button->SetBounds(ui::Rect::At(x, 67, 72, 22));
    entry.button->SetImageList(&dm.SmallTool);
    entry.button->SetImageIndex(entry.image);
    entry.button->SetHoverImageIndex(entry.image + 1);
    entry.button->onClick = entry.click;
    HeaderRightImage.AddChild(*entry.button);
    x += 76;
  }

  // Seen only while the pointer is over them: away from it they show the header behind them.
  const struct {
    ui::Picture* button;
    int image;
    int left;
    std::function<void()> click;
  } captionButtons[] = {
      {&MinimizeBtn, 0, 300 - 52, [this] { MinimizeBtnClick(); }},
      {&CloseBtn, 1, 300 - 28, [this] { CloseBtnClick(); }},
  };
  for (const auto& entry : captionButtons) {
    entry.button->SetBounds(ui::Rect::At(entry.left, 6, 20, 20));
    entry.button->SetImageList(&dm.CaptionImageList);
    entry.button->SetImageIndex(entry.image + kHeaderBehindCaptionButtons);
    entry.button->SetHoverImageIndex(entry.image);
    entry.button->onClick = entry.click;
    HeaderRightImage.AddChild(*entry.button);
  }
}

void THalvexMainForm::BuildLeftPanel() {
  TDM& dm = dm_;
  const int height = kHeight - kHeaderHeight;
  LeftPanel.SetBounds(ui::Rect::At(0, kHeaderHeight, kLeftPanelWidth, height));
  LeftPanel.SetColor(kLeftPanelColor);
  AddChild(LeftPanel);

  const struct {
    ui::Picture* button;
    int image;
    std::function<void()> click;
  } sheetButtons[] = {
      {&ScanBtn, 0, [this] { ScanBtnClick(); }},
      {&BackupBtn, 3, [this] { BackupBtnClick(); }},
      {&AdvanceBtn, 5, [this] { AdvanceBtnClick(); }},
  };
  int y = 16;
  for (const auto& entry : sheetButtons) {
    entry.button->SetBounds(ui::Rect::At(16, y, 126, 41));
    entry.button->SetImageList(&dm.ToolsImageList);
    entry.button->SetImageIndex(entry.image);
    entry.button->onClick = entry.click;
    LeftPanel.AddChild(*entry.button);
    y += 47;
  }

  int line = 0;
  for (const tools::ToolEntry& tool : tools::kTools) {
    ui::Label& link = ToolLink(tool.kind);
    link.SetBounds(ui::Rect::At(24, kLinkTop + line * kLinkHeight, 126, kLinkHeight - 2));
    link_style::MakeLink(link, link_style::HoverUnderline::No);
    link.onClick = [this, kind = tool.kind] { OpenTool(kind); };
    // Shown with the Advanced sheet only; the hidden tool's link never.
    link.SetVisible(false);
    LeftPanel.AddChild(link);
    if (!tool.hidden) ++line;
  }

  abHomeURL.SetBounds(ui::Rect::At(9, height - 22 - 7, 141, 22));
  abHomeURL.SetImageList(&dm.HomeImageList);
  abHomeURL.SetImageIndex(0);
  abHomeURL.SetHoverImageIndex(1);
  abHomeURL.onClick = [this] { abHomeURLClick(); };
  LeftPanel.AddChild(abHomeURL);
}

void THalvexMainForm::BuildSheets() {
  MainNotebook.SetBounds(ui::Rect::At(kLeftPanelWidth, kHeaderHeight, kWidth - kLeftPanelWidth,
                                      kHeight - kHeaderHeight));
  AddChild(MainNotebook);
  for (ui::Panel* sheet : {&ScanSheetPage, &BackupSheet, &AdvancedSheet}) {
    sheet->SetBounds(
        ui::Rect::At(0, 0, MainNotebook.bounds().width(), MainNotebook.bounds().height()));
    sheet->SetColor(kSheetColor);
    MainNotebook.AddPage(*sheet);
  }
  scanSheet_ = std::make_unique<ScanSheet>(ScanSheetPage, dm_);
  results_ = std::make_unique<ResultsView>(*scanSheet_, dm_, scanModel_, services_.platform.files,
                                           services_.desktop.messages);
  scanDriver_ = std::make_unique<ScanSheetDriver>(
      *scanSheet_, *results_, dm_, scanModel_,
      ScanSheetServices{services_.platform, services_.desktop, services_.busy, settings_});

  abBackupTitle.SetBounds(ui::Rect::At(24, 18, 400, 24));
  abBackupTitle.SetFont({.pointSize = 12, .bold = true, .color = link_style::kHeading});
  BackupSheet.AddChild(abBackupTitle);

  const BackupServices backup{services_.platform, services_.desktop, services_.processRunner,
                              services_.windows};
  repairDriver_ = std::make_unique<RepairSheetDriver>(
      *scanSheet_, *results_, dm_, scanModel_,
      RepairSheetServices{backup, services_.busy, settings_, *this});
  scanDriver_->onFinishListChanged = [this] { repairDriver_->RefreshFinishList(); };
  backupSheet_ = std::make_unique<BackupSheetView>(BackupSheet, dm_, backup);

  BuildAdvancedSheet();
}

void THalvexMainForm::BuildAdvancedSheet() {
  AdvancePanel.SetAlign(ui::Align::Client);
  AdvancePanel.SetBounds(AdvancedSheet.bounds());
  AdvancePanel.SetColor(kSheetColor);
  AdvancedSheet.AddChild(AdvancePanel);

  abAdvTitle.SetBounds(ui::Rect::At(24, 18, 400, 24));
  abAdvTitle.SetFont({.pointSize = 12, .bold = true, .color = link_style::kHeading});
  AdvancePanel.AddChild(abAdvTitle);

  constexpr int kPairTop = 60;
  constexpr int kPairHeight = 58;
  constexpr int kColumnLeft[] = {28, 290};
  for (std::size_t i = 0; i < tools::kToolCount; ++i) {
    const tools::ToolEntry& tool = tools::kTools[i];
    AdvancedPair& pair = pairs_[i];
    const int column = i < 6 ? 0 : 1;
    const int row = static_cast<int>(i < 6 ? i : i - 6);
    const int x = kColumnLeft[column];
    const int y = kPairTop + row * kPairHeight;
    pair.image.SetBounds(ui::Rect::At(x, y, 32, 32));
    pair.image.SetImageList(&dm_.AdvImageList);
    pair.image.SetImageIndex(static_cast<int>(i));
    pair.label.SetBounds(ui::Rect::At(x + 44, y + 7, 206, 18));
    pair.label.SetFont({.pointSize = 9});
    // Picture and label turn the label blue together.
    ui::Label& label = pair.label;
    pair.image.onMouseEnter = [&label] { link_style::SetLinkColor(label, link_style::kHover); };
    pair.image.onMouseLeave = [&label] { link_style::SetLinkColor(label, link_style::kNormal); };
    link_style::MakeLink(pair.label, link_style::HoverUnderline::No);
    pair.image.onClick = pair.label.onClick = [this, kind = tool.kind] { OpenTool(kind); };
    if (tool.pairHint != nullptr) pair.image.hint = pair.label.hint = tool.pairHint;
    pair.image.SetVisible(!tool.hidden);
    pair.label.SetVisible(!tool.hidden);
    AdvancePanel.AddChild(pair.image);
    AdvancePanel.AddChild(pair.label);
  }
  const ui::Rect& restoreLabel = Pair(tools::ToolKind::RestorePoint).label.bounds();
  abOnlyXPMsg.SetBounds(ui::Rect::At(restoreLabel.left, restoreLabel.bottom, 190, 16));
  abOnlyXPMsg.SetFont({.color = link_style::kMuted});
  AdvancePanel.AddChild(abOnlyXPMsg);
}

}  // namespace halvex::app
