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
    HistoryNumPages = 0
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
    object LicenceBox: TABox
      Left = 20000
      Top = 0
      Width = 50
      Height = 50
      TabOrder = 5
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 7
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0100000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000}
      AAlign = alClient
      object LicenceIntro: TLabel
        Left = 40
        Top = 72
        Width = 420
        Height = 26
        Caption = 'Please read the following licence agreement. You must accept it before you continue.'
        WordWrap = True
      end
      object LicenceHeader: TPanel
        Left = 0
        Top = 2
        Width = 50
        Height = 58
        Align = alTop
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 1
        object LicenceTitle: TLabel
          Left = 20
          Top = 10
          Width = 122
          Height = 13
          Caption = 'Licence Agreement'
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
          ParentFont = False
        end
        object LicenceSubtitle: TLabel
          Left = 36
          Top = 28
          Width = 390
          Height = 13
          Caption = 'Please read the following important information before continuing.'
          WordWrap = True
        end
        object LicenceIcon: TImage
          Left = 444
          Top = 5
          Width = 48
          Height = 48
        end
      end
      object LicenceHeaderLine: TPanel
        Left = 0
        Top = 0
        Width = 50
        Height = 2
        Align = alTop
        BevelOuter = bvLowered
        TabOrder = 2
      end
      object LicencePanel: TPanel
        Left = 40
        Top = 106
        Width = 420
        Height = 150
        BevelOuter = bvLowered
        Color = clWhite
        TabOrder = 3
        object LicenceText: TLabel
          Left = 8
          Top = 6
          Width = 404
          Height = 130
          Caption = 'ZELVANT DEMO LICENCE AGREEMENT'#10#10'1. You may install and use this demonstration program on any number of computers.'#10#10'2. The program comes without any warranty. It shows how a setup wizard is built with the Zelvant components, and it installs nothing.'#10#10'3. You may copy the program and pass it on, together with this agreement.'
          WordWrap = True
        end
      end
      object LicenceChoice: TABox
        Left = 20000
        Top = 266
        Width = 420
        Height = 44
        TabOrder = 0
        Visible = False
        ParentInDialog = Zelvant1
        ParentInWizard = LicenceBox
        ShowContainer.NumApos = 7
        ShowContainer.Data = {
          000000000000000000000000000000000000000000000000280000000A010000
          0100000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000}
        AAlign = alNone
        object AcceptRadio: TAJumpRadioBtn
          Left = 20000
          Top = 2
          Width = 300
          Height = 17
          Caption = 'I &accept the agreement'
          Enabled = False
          TabOrder = 0
          Visible = False
          ParentInDialog = Zelvant1
          ParentInWizard = LicenceChoice
          ShowContainer.NumApos = 7
          ShowContainer.Data = {
            0000000000000000000000000000000000000000000000000000000002000000
            0100000000000000000000000000000000000000000000000000000000000000
            0000000000000000000000000000000000000000}
          AAlign = alNone
          JumpPage = 3
          JumpMode = jmAbsolut
        end
        object DeclineRadio: TAJumpRadioBtn
          Left = 20000
          Top = 24
          Width = 300
          Height = 17
          Caption = 'I do &not accept the agreement'
          Checked = True
          Enabled = False
          TabOrder = 1
          TabStop = True
          Visible = False
          ParentInDialog = Zelvant1
          ParentInWizard = LicenceChoice
          ShowContainer.NumApos = 7
          ShowContainer.Data = {
            0000000000000000000000000000000000000000000000000000000018000000
            0100000000000000000000000000000000000000000000000000000000000000
            0000000000000000000000000000000000000000}
          AAlign = alNone
          JumpPage = 6
          JumpMode = jmAbsolut
        end
      end
    end
    object TypeBox: TABox
      Left = 20000
      Top = 0
      Width = 50
      Height = 50
      TabOrder = 4
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 7
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000100000000000000000000000000000000000000
        0000000000000000000000000000000000000000}
      AAlign = alClient
      object TypeIntro: TLabel
        Left = 40
        Top = 72
        Width = 420
        Height = 13
        Caption = 'Which kind of installation do you want?'
        WordWrap = True
      end
      object TypeExplanation: TLabel
        Left = 270
        Top = 102
        Width = 190
        Height = 91
        Caption = 'Typical installs Zelvant Demo with the proposed options.'#10#10'Custom shows one more page, where you choose the start menu folder, the language and who may use the program.'
        WordWrap = True
      end
      object TypeHeader: TPanel
        Left = 0
        Top = 2
        Width = 50
        Height = 58
        Align = alTop
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 0
        object TypeTitle: TLabel
          Left = 20
          Top = 10
          Width = 72
          Height = 13
          Caption = 'Setup Type'
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
          ParentFont = False
        end
        object TypeSubtitle: TLabel
          Left = 36
          Top = 28
          Width = 390
          Height = 13
          Caption = 'Choose how Zelvant Demo is installed.'
          WordWrap = True
        end
        object TypeIcon: TImage
          Left = 444
          Top = 5
          Width = 48
          Height = 48
        end
      end
      object TypeHeaderLine: TPanel
        Left = 0
        Top = 0
        Width = 50
        Height = 2
        Align = alTop
        BevelOuter = bvLowered
        TabOrder = 1
      end
      object TypeGroup: TAGroupBox
        Left = 20000
        Top = 94
        Width = 210
        Height = 112
        Caption = 'Setup type'
        Enabled = False
        TabOrder = 2
        Visible = False
        ParentInDialog = DialogBox
        ParentInWizard = TypeBox
        ShowContainer.NumApos = 7
        ShowContainer.Data = {
          100000004A000000010000000000000000000000000000000000000000000000
          00000000280000005E0000000100000000000000000000000000000000000000
          0000000000000000000000000000000000000000}
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
      TabOrder = 3
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 7
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000100000000000000
        0000000000000000000000000000000000000000}
      AAlign = alClient
      object OptionsIntro: TLabel
        Left = 40
        Top = 72
        Width = 420
        Height = 13
        Caption = 'Choose the options below, then click Next.'
        WordWrap = True
      end
      object OptionsHeader: TPanel
        Left = 0
        Top = 2
        Width = 50
        Height = 58
        Align = alTop
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 1
        object OptionsTitle: TLabel
          Left = 20
          Top = 10
          Width = 50
          Height = 13
          Caption = 'Options'
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
          ParentFont = False
        end
        object OptionsSubtitle: TLabel
          Left = 36
          Top = 28
          Width = 390
          Height = 13
          Caption = 'Choose where the program goes and who may use it.'
          WordWrap = True
        end
        object OptionsIcon: TImage
          Left = 444
          Top = 5
          Width = 48
          Height = 48
        end
      end
      object OptionsHeaderLine: TPanel
        Left = 0
        Top = 0
        Width = 50
        Height = 2
        Align = alTop
        BevelOuter = bvLowered
        TabOrder = 2
      end
      object OptionsContainer: TAForm
        Left = 20000
        Top = 94
        Width = 330
        Height = 185
        TabOrder = 0
        Visible = False
        ParentInDialog = DialogBox
        ParentInWizard = OptionsBox
        ShowContainer.NumApos = 7
        ShowContainer.Data = {
          F60000004A000000010000000000000000000000000000000000000000000000
          00000000000000000000000000000000280000005E0000000100000000000000
          0000000000000000000000000000000000000000}
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
      TabOrder = 2
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 7
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000001000000000000000000000000000000}
      AAlign = alClient
      object ReadyIntro: TLabel
        Left = 40
        Top = 72
        Width = 420
        Height = 13
        Caption = 'Click Finish to install, or Back to review or change any setting.'
        WordWrap = True
      end
      object ReadyHeader: TPanel
        Left = 0
        Top = 2
        Width = 50
        Height = 58
        Align = alTop
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 0
        object ReadyTitle: TLabel
          Left = 20
          Top = 10
          Width = 100
          Height = 13
          Caption = 'Ready to Install'
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
          ParentFont = False
        end
        object ReadySubtitle: TLabel
          Left = 36
          Top = 28
          Width = 390
          Height = 13
          Caption = 'Setup is now ready to install Zelvant Demo on your computer.'
          WordWrap = True
        end
        object ReadyIcon: TImage
          Left = 444
          Top = 5
          Width = 48
          Height = 48
        end
      end
      object ReadyHeaderLine: TPanel
        Left = 0
        Top = 0
        Width = 50
        Height = 2
        Align = alTop
        BevelOuter = bvLowered
        TabOrder = 1
      end
      object ReadyPages: TAPageControl
        Left = 20000
        Top = 106
        Width = 420
        Height = 164
        ActivePage = SummarySheet
        Enabled = False
        TabOrder = 2
        TabStop = False
        Visible = False
        ParentInDialog = Zelvant1
        ParentInWizard = ReadyBox
        ShowContainer.NumApos = 7
        ShowContainer.Data = {
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000028000000
          6A00000001000000000000000000000000000000}
        AAlign = alNone
        object SummarySheet: TTabSheet
          Left = 4
          Top = 23
          Width = 412
          Height = 137
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
          Height = 137
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
      object ChangeOptionsButton: TAJumpBitBtn
        Left = 20000
        Top = 278
        Width = 130
        Height = 25
        Caption = 'Change &options...'
        Enabled = False
        TabOrder = 3
        Visible = False
        ParentInDialog = Zelvant1
        ParentInWizard = ReadyBox
        ShowContainer.NumApos = 7
        ShowContainer.Data = {
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000028000000
          1601000001000000000000000000000000000000}
        AAlign = alNone
        JumpPage = 4
        JumpMode = jmAbsolut
      end
    end
    object DeclinedBox: TABox
      Left = 20000
      Top = 0
      Width = 50
      Height = 50
      TabOrder = 1
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 7
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000001000000}
      AAlign = alClient
      object DeclinedText: TLabel
        Left = 40
        Top = 72
        Width = 420
        Height = 52
        Caption = 'You did not accept the licence agreement, so Setup has installed nothing on your computer.'#10#10'Click Back to read the agreement again, or Finish to leave Setup.'
        WordWrap = True
      end
      object DeclinedHeader: TPanel
        Left = 0
        Top = 2
        Width = 50
        Height = 58
        Align = alTop
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 0
        object DeclinedTitle: TLabel
          Left = 20
          Top = 10
          Width = 136
          Height = 13
          Caption = 'Setup Not Completed'
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
          ParentFont = False
        end
        object DeclinedSubtitle: TLabel
          Left = 36
          Top = 28
          Width = 390
          Height = 13
          Caption = 'Zelvant Demo was not installed.'
          WordWrap = True
        end
        object DeclinedIcon: TImage
          Left = 444
          Top = 5
          Width = 48
          Height = 48
        end
      end
      object DeclinedHeaderLine: TPanel
        Left = 0
        Top = 0
        Width = 50
        Height = 2
        Align = alTop
        BevelOuter = bvLowered
        TabOrder = 1
      end
    end
    object DialogBox: TABox
      Left = 20000
      Top = 0
      Width = 50
      Height = 50
      TabOrder = 0
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 7
      ShowContainer.Data = {
        0000000000000000010000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000}
      AAlign = alClient
      object DialogHeader: TPanel
        Left = 0
        Top = 2
        Width = 50
        Height = 58
        Align = alTop
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 0
        object DialogTitle: TLabel
          Left = 20
          Top = 10
          Width = 91
          Height = 13
          Caption = 'Setup Options'
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
          ParentFont = False
        end
        object DialogSubtitle: TLabel
          Left = 36
          Top = 28
          Width = 480
          Height = 13
          Caption = 'Every setting of the Zelvant Demo setup on one screen.'
          WordWrap = True
        end
        object DialogIcon: TImage
          Left = 534
          Top = 5
          Width = 48
          Height = 48
        end
      end
      object DialogHeaderLine: TPanel
        Left = 0
        Top = 0
        Width = 50
        Height = 2
        Align = alTop
        BevelOuter = bvLowered
        TabOrder = 1
      end
    end
  end
end
