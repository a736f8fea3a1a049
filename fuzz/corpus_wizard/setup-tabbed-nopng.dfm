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
    HistoryNumPages = 0
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
    object TypeBox: TABox
      Left = 1
      Top = 24
      Width = 497
      Height = 313
      TabOrder = 2
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 4
      ShowContainer.Data = {
        0000000000000000000000000100000018000000010000000000000000000000
        00000000000000000000000000000000}
      Align = alClient
      AAlign = alClient
      object TypeIntro: TLabel
        Left = 40
        Top = 14
        Width = 420
        Height = 13
        Caption = 'Which kind of installation do you want?'
        WordWrap = True
      end
      object TypeExplanation: TLabel
        Left = 270
        Top = 44
        Width = 190
        Height = 65
        Caption = 'Typical installs Zelvant Demo with the proposed options.'#10#10'Custom uses the options you choose on the Options tab.'
        WordWrap = True
      end
      object TypeGroup: TAGroupBox
        Left = 40
        Top = 36
        Width = 210
        Height = 112
        Caption = 'Setup type'
        TabOrder = 0
        ParentInDialog = Zelvant1
        ParentInWizard = TypeBox
        ShowContainer.NumApos = 4
        ShowContainer.Data = {
          0000000000000000000000002800000024000000010000000000000000000000
          00000000000000000000000000000000}
        AAlign = alNone
        object TypicalNote: TLabel
          Left = 30
          Top = 40
          Width = 170
          Height = 13
          Caption = 'Program and examples.'
          WordWrap = True
        end
        object CustomNote: TLabel
          Left = 30
          Top = 82
          Width = 170
          Height = 13
          Caption = 'You choose the options.'
          WordWrap = True
        end
        object TypicalRadio: TRadioButton
          Left = 12
          Top = 22
          Width = 180
          Height = 17
          Caption = '&Typical'
          Checked = True
          TabOrder = 0
          TabStop = True
        end
        object CustomRadio: TRadioButton
          Left = 12
          Top = 64
          Width = 180
          Height = 17
          Caption = '&Custom'
          TabOrder = 1
        end
      end
    end
    object OptionsBox: TABox
      Left = 20000
      Top = 0
      Width = 50
      Height = 50
      TabOrder = 1
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 4
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        01000000000000000000000000000000}
      AAlign = alClient
      object OptionsIntro: TLabel
        Left = 40
        Top = 14
        Width = 420
        Height = 13
        Caption = 'Choose the options below. They are used for a custom installation.'
        WordWrap = True
      end
      object OptionsContainer: TAForm
        Left = 20000
        Top = 36
        Width = 330
        Height = 185
        TabOrder = 0
        Visible = False
        ParentInDialog = Zelvant1
        ParentInWizard = OptionsBox
        ShowContainer.NumApos = 4
        ShowContainer.Data = {
          0000000000000000000000000000000000000000000000002800000024000000
          01000000000000000000000000000000}
        AAlign = alNone
        FormCreate = fcOnDemand
        OnGetForm = GetOptionsForm
      end
    end
    object ReadyBox: TABox
      Left = 20000
      Top = 0
      Width = 50
      Height = 50
      TabOrder = 0
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 4
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        00000000000000000000000001000000}
      AAlign = alClient
      object ReadyIntro: TLabel
        Left = 40
        Top = 14
        Width = 420
        Height = 13
        Caption = 'Click Install to install Zelvant Demo, or a tab above to change a setting.'
        WordWrap = True
      end
      object ReadyPages: TAPageControl
        Left = 20000
        Top = 48
        Width = 420
        Height = 170
        ActivePage = SummarySheet
        Enabled = False
        TabOrder = 0
        TabStop = False
        Visible = False
        ParentInDialog = Zelvant1
        ParentInWizard = ReadyBox
        ShowContainer.NumApos = 4
        ShowContainer.Data = {
          0000000000000000000000000000000000000000000000000000000000000000
          00000000280000003000000001000000}
        AAlign = alNone
        object SummarySheet: TTabSheet
          Left = 4
          Top = 23
          Width = 412
          Height = 143
          Caption = 'Summary'
          object SummaryTypeCaption: TLabel
            Left = 12
            Top = 14
            Width = 120
            Height = 13
            Caption = 'Setup type:'
            WordWrap = True
          end
          object SummaryType: TLabel
            Left = 136
            Top = 14
            Width = 260
            Height = 13
            Caption = 'Typical installation'
            WordWrap = True
          end
          object SummaryFolderCaption: TLabel
            Left = 12
            Top = 36
            Width = 120
            Height = 13
            Caption = 'Start menu folder:'
            WordWrap = True
          end
          object SummaryFolder: TLabel
            Left = 136
            Top = 36
            Width = 260
            Height = 13
            Caption = 'Zelvant Demo (proposed)'
            WordWrap = True
          end
          object SummaryLanguageCaption: TLabel
            Left = 12
            Top = 58
            Width = 120
            Height = 13
            Caption = 'Language:'
            WordWrap = True
          end
          object SummaryLanguage: TLabel
            Left = 136
            Top = 58
            Width = 260
            Height = 13
            Caption = 'English (proposed)'
            WordWrap = True
          end
          object SummaryUsersCaption: TLabel
            Left = 12
            Top = 80
            Width = 120
            Height = 13
            Caption = 'Installed for:'
            WordWrap = True
          end
          object SummaryUsers: TLabel
            Left = 136
            Top = 80
            Width = 260
            Height = 13
            Caption = 'All users (proposed)'
            WordWrap = True
          end
        end
        object DetailsSheet: TTabSheet
          Left = 4
          Top = 23
          Width = 412
          Height = 143
          Caption = 'Details'
          object DetailsNames: TLabel
            Left = 12
            Top = 14
            Width = 140
            Height = 52
            Caption = 'Destination folder:'#10'Program files:'#10'Examples and pictures:'#10'Disk space needed:'
            WordWrap = True
          end
          object DetailsValues: TLabel
            Left = 156
            Top = 14
            Width = 240
            Height = 52
            Caption = '/opt/zelvant-demo'#10'2.4 MB'#10'0.9 MB'#10'3.3 MB'
            WordWrap = True
          end
        end
      end
    end
  end
end
