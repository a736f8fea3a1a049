object SetupForm: TSetupForm
  Left = 0
  Top = 0
  Width = 506
  Height = 405
  ActiveControl = Zelvant1.ChangeButton
  BorderStyle = bsDialog
  Caption = 'Setup - Zelvant Demo'
  Font.Name = 'MS Sans Serif'
  Position = poScreenCenter
  Scaled = False
  object Zelvant1: TZelvant
    Left = 0
    Top = 0
    Width = 500
    Height = 380
    NumPages = 6
    OnPageChange = WizardPageChange
    OnAskPageChange = WizardAskPageChange
    CaptionDialog = 'Setup Options - Zelvant Demo'
    CaptionWizard = 'Setup - Zelvant Demo'
    ButtonWidth = 90
    ButtonHeight = 25
    ShowGlyph = True
    RememberPage = True
    PageNames.Strings = (
      'Setup Options'
      'Welcome'
      'Licence Agreement'
      'Setup Type'
      'Options'
      'Ready to Install'
      'Setup Not Completed')
    BtnHelp.Text = '&Help'
    BtnHelp.Layout = blGlyphLeft
    BtnHelp.NumGlyphs = 2
    BtnHelp.Enabled = True
    BtnHelp.Show = False
    BtnWizardOK.Text = '&OK'
    BtnWizardOK.Layout = blGlyphLeft
    BtnWizardOK.NumGlyphs = 2
    BtnWizardOK.Enabled = True
    BtnWizardOK.Show = False
    BtnFinish.Text = '&Finish'
    BtnFinish.Layout = blGlyphLeft
    BtnFinish.NumGlyphs = 2
    BtnFinish.Enabled = True
    BtnFinish.Show = True
    BtnDialogOK.Text = '&OK'
    BtnDialogOK.Layout = blGlyphLeft
    BtnDialogOK.NumGlyphs = 2
    BtnDialogOK.Enabled = True
    BtnDialogOK.Show = True
    BtnChangeWizard.Text = '&Wizard'
    BtnChangeWizard.Layout = blGlyphLeft
    BtnChangeWizard.NumGlyphs = 2
    BtnChangeWizard.Enabled = True
    BtnChangeWizard.Show = True
    BtnChangeDialog.Text = '&Dialog'
    BtnChangeDialog.Layout = blGlyphLeft
    BtnChangeDialog.NumGlyphs = 2
    BtnChangeDialog.Enabled = True
    BtnChangeDialog.Show = True
    BtnCancel.Text = '&Cancel'
    BtnCancel.Layout = blGlyphLeft
    BtnCancel.NumGlyphs = 2
    BtnCancel.Enabled = True
    BtnCancel.Show = True
    BtnNext.Text = '&Next'
    BtnNext.Layout = blGlyphRight
    BtnNext.NumGlyphs = 2
    BtnNext.Enabled = True
    BtnNext.Show = True
    BtnBack.Text = '&Back'
    BtnBack.Layout = blGlyphLeft
    BtnBack.NumGlyphs = 2
    BtnBack.Enabled = False
    BtnBack.Show = True
    WayList.NumPages = 6
    WayList.Data = {
      01000000FDFFFFFF02000000FDFFFFFF03000000FFFFFFFF04000000FDFFFFFF
      05000000FEFFFFFF06000000FEFFFFFF}
    WayListEnabled = True
    StartPage = 1
    ShowPageNames = False
    BLWizard.Num = 7
    BLWizard.Data = {
      01000000020000000800000003000000040000000500000006000000}
    BLDialog.Num = 5
    BLDialog.Data = {
      0100000002000000080000000300000006000000}
    Font.Name = 'MS Sans Serif'
    ButtonStyle = bsAutoDetect
    Page = 1
    Seperator = True
    SetFormProperties = True
    UseHistory = True
    SetFormCaption = True
    Style = asWizard
    TabSpaceX = 16
    TabSpaceY = 8
    TabOrder = 0
    HistoryNumPages = 2
    HistoryData = {
      0100000002000000}
    FormSize = {
      95010000FA0100005901000054020000}
    object WelcomeBox: TABox
      Left = 0
      Top = 0
      Width = 500
      Height = 345
      TabOrder = 6
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 7
      ShowContainer.Data = {
        0000000000000000000000000000000000000000010000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000}
      Align = alClient
      AAlign = alClient
      object WelcomeImage: TAImage
        Left = 0
        Top = 0
        Width = 164
        Height = 345
        Align = alLeft
        ParentInDialog = Zelvant1
        ParentInWizard = WelcomeBox
        ShowContainer.NumApos = 7
        ShowContainer.Data = {
          0000000000000000000000000000000000000000010000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000}
        AAlign = alLeft
      end
      object WelcomePanel: TPanel
        Left = 164
        Top = 0
        Width = 336
        Height = 345
        Align = alClient
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 0
        object WelcomeTitle: TLabel
          Left = 16
          Top = 16
          Width = 304
          Height = 38
          Caption = 'Welcome to the Zelvant Demo Setup Wizard'
          Font.Height = -16
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
          ParentFont = False
          WordWrap = True
        end
        object WelcomeText: TLabel
          Left = 16
          Top = 76
          Width = 304
          Height = 78
          Caption = 'This will install Zelvant Demo 1.0 on your computer.'#10#10'It is recommended that you close all other applications before continuing.'#10#10'Click Next to continue, or Cancel to exit Setup.'
          WordWrap = True
        end
      end
    end
  end
end
