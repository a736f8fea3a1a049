object SetupForm: TSetupForm
  Left = 0
  Top = 0
  Width = 506
  Height = 405
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
    NumPages = 3
    OnPageChange = WizardPageChange
    CaptionDialog = 'Dialog'
    CaptionWizard = 'Setup - Zelvant Demo'
    ButtonWidth = 90
    ButtonHeight = 25
    ShowGlyph = True
    RememberPage = False
    PageNames.Strings = (
      'Dialog'
      'Setup Type'
      'Options'
      'Ready to Install')
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
    WayList.NumPages = 0
    WayListEnabled = False
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
    Style = asTabbed
    TabSpaceX = 16
    TabSpaceY = 8
    TabOrder = 0
    HistoryNumPages = 2
    HistoryData = {
      0100000002000000}
    FormSize = {
      95010000FA01000095010000FA010000}
    object ButtonPanel: TPanel
      Left = 1
      Top = 337
      Width = 497
      Height = 41
      Align = alBottom
      BevelOuter = bvNone
      TabOrder = 9
      object CancelButton: TButton
        Left = 400
        Top = 8
        Width = 90
        Height = 25
        Cancel = True
        Caption = '&Cancel'
        ModalResult = 2
        TabOrder = 0
      end
      object InstallButton: TAJumpBitBtn
        Left = 20000
        Top = 8
        Width = 90
        Height = 25
        Caption = '&Install'
        Enabled = False
        TabOrder = 1
        Visible = False
        NumGlyphs = 2
        ParentInDialog = Zelvant1
        ParentInWizard = ButtonPanel
        ShowContainer.NumApos = 4
        ShowContainer.Data = {
          0000000000000000000000000000000000000000000000000000000000000000
          000000002E0100000800000001000000}
        AAlign = alNone
        JumpPage = -1
        JumpMode = jmAbsolut
      end
    end
  end
end
