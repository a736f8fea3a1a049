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
    BtnHelp.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000024000000120802000000BC41EB
      7F000000017352474200AECE1CE9000000B949444154388DBD95410EC5200844
      B1F9F7663879BB698C8E22C4F83B4B6A7802832D807CA6DF1802EE215212A910
      46AE90E405235204EB939A88E57853D2E41357D6900440DB40E4C6ABAAAA3AE5
      79B06CEA91242266A50FDE131850A87B3975D722522B76231594B0C67BB05E7F
      C4BB309F1494DB143427C972664CCA4D91CFB46671615B2416F925033BE6CC45
      1BCF3BD335489D59EE616458BFD7AFE236EEF5D0CCC6854BCD6C4FFDE62D6147
      66462AFFF879D69AA8930FEFD14FAE49D10BEC0000000049454E44AE426082}
    BtnHelp.NumGlyphs = 2
    BtnHelp.Enabled = True
    BtnHelp.Show = False
    BtnWizardOK.Text = '&OK'
    BtnWizardOK.Layout = blGlyphLeft
    BtnWizardOK.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000024000000120802000000BC41EB
      7F000000017352474200AECE1CE90000009949444154388DBDD4D10EC0100C05
      D06BD97FB7FDF33D9831AB2A137D92B89CA01198B1AD8E7DD466EC74E6980049
      E381FDCB2CBBB0FF121101D4BFC645124442075B28C16E90B512628330A549C9
      4187C4DAB829219E8CE5969EACEF4C5FCC920084E7072901753F07694928DF8C
      05A0D79C4352522D095583949E4FAAB386546348EF372265CF96146C4ACAEB0C
      49C7A6CB961663DDDA8A5D717C3F2E1922DB500000000049454E44AE426082}
    BtnWizardOK.NumGlyphs = 2
    BtnWizardOK.Enabled = True
    BtnWizardOK.Show = False
    BtnFinish.Text = '&Finish'
    BtnFinish.Layout = blGlyphLeft
    BtnFinish.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000024000000120802000000BC41EB
      7F000000017352474200AECE1CE9000000CA49444154388DBD94C10EC4200844
      87A6FF0D7E397BB075898862BB590E76928A6F468D2482BFD5094004AA0A8088
      80503B5B02C82D9623001C6F9C32EB963EEB679EA9EA52A88395526A3E668DB4
      9DFF2A59F3DE7C786D2D5EC91E9D19983993EF67C926999AEE93D57FD57BA4E3
      B2671369034B9698D1963D9891BEFA36B6D133B6FA98350B132736498CE10511
      B7628E14F6DD9796C630DB9A23857D8D84E8EA7BC08A349E6E4921AC5B3D47EA
      E776A4190C6E1BB7789EB4803D227DFBFCC37D60FD403C71E249003EC7BF90B1
      7ACBA3270000000049454E44AE426082}
    BtnFinish.NumGlyphs = 2
    BtnFinish.Enabled = True
    BtnFinish.Show = True
    BtnDialogOK.Text = '&OK'
    BtnDialogOK.Layout = blGlyphLeft
    BtnDialogOK.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000024000000120802000000BC41EB
      7F000000017352474200AECE1CE9000000C249444154388DBD94CB0EC4200845
      6132FF0D7C39B3B0B53E00A9E99445939A7B39220A32C36B811991B5216369A9
      F9269C99BC4610A94857CC672FD15E642A7B14A6AA8102D1EE2B11052E11B161
      F9E0E60B00434B2C6DE7BBD1335E2A421F91AE61E5DE57521AC93D896038C6F6
      5888B4AEDC27956CD2924470EC59DD4F05E7483C497820C13041E613F349735E
      C3D7920000CDD9C8E1EF99E87A30673AEE051DC985C16E9FBC9A4AB8B7917748
      87C32445B02DD2E533DFFB5F06B137595E9DFA3F233444B8386316F300000000
      49454E44AE426082}
    BtnDialogOK.NumGlyphs = 2
    BtnDialogOK.Enabled = True
    BtnDialogOK.Show = True
    BtnChangeWizard.Text = '&Wizard'
    BtnChangeWizard.Layout = blGlyphLeft
    BtnChangeWizard.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000024000000120802000000BC41EB
      7F000000017352474200AECE1CE9000000DF49444154388DBD954112C4200804
      71CB7F0FF372F7A09B20A2D1C386533462DB489549555E8B14CE6E9C205CF190
      9645A494D2F1537C021700EC902450C8556EAAB010B0F4530024C35FB39C7C7D
      BDE097EDC001AAD9E3FD393F92221AFA6537FEAB9F87D993BA2DD661FC74766D
      01EC886142815A9559E34896A1569B66C38EFA9BD1A9D9D8053346BF8702A5E7
      CDCCEEBCBB8C97DFC2CCF2C8646C6469D6661ACCFA858C90D7FB8D663ECF37C8
      4EAF6BECA7B3BEB8F23AD8E60B30ACBA9C560120ED3F311A93D68056E47A359F
      93DC3392B4223712990E60A7249B57A95F4F9D80578B94FAFE0000000049454E
      44AE426082}
    BtnChangeWizard.NumGlyphs = 2
    BtnChangeWizard.Enabled = True
    BtnChangeWizard.Show = True
    BtnChangeDialog.Text = '&Dialog'
    BtnChangeDialog.Layout = blGlyphLeft
    BtnChangeDialog.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000024000000120802000000BC41EB
      7F000000017352474200AECE1CE9000000C249444154388DED55411284200C4B
      77FC97FCACEDCFCACBD883828220B8CE70DA9CCC4C9B34059544300D9F7956C0
      02E069B858FFB00DB2A4A7F19E871E3B98C3F435023073830DEE54C8CC835DAA
      7A980130B328E700ACEB7AEDF1DE575500F4D62B99993BCF5CD36DA930070000
      ABD27DE9DB6480C470D29DEB9FAC8D9F9225A44C44646605BDD65F3C244F79D0
      8A19B20B5DA16DECA2CC4195729ABF6709DEFB6DA55B8E82DE9BC59556294864
      D2879899E9CDFFAC18BC8BFA990DA27BFD0A7C014C72670EE829E4A400000000
      49454E44AE426082}
    BtnChangeDialog.NumGlyphs = 2
    BtnChangeDialog.Enabled = True
    BtnChangeDialog.Show = True
    BtnCancel.Text = '&Cancel'
    BtnCancel.Layout = blGlyphLeft
    BtnCancel.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000024000000120802000000BC41EB
      7F000000017352474200AECE1CE9000000BF49444154388DDD95C112C3200844
      D74CFF1BFCF2F4A06D105646A7331EEA25088427649314551C5BD739D461D8AB
      5D44FBBE02509F348FEAC4E6D1DE59FDF825DC959E23813D5B1111B961C74879
      79C773DE4002506B01509C1A6D75C1634F481469AA1912A24086FE56493CC391
      08CCF2964984174988638499E4262F26798FEF6C5044F32CC168460A73DA4BDE
      875951116903A4BC074655BEC01B48E8CF4969C29590167894E4435F9B08646B
      B54F433FD6A8BD18FD15B6B5FEF717F306AE8D51183386DBE00000000049454E
      44AE426082}
    BtnCancel.NumGlyphs = 2
    BtnCancel.Enabled = True
    BtnCancel.Show = True
    BtnNext.Text = '&Next'
    BtnNext.Layout = blGlyphRight
    BtnNext.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000020000000100802000000F862EA
      0E000000017352474200AECE1CE90000007E49444154388DB593410EC0200804
      97A6FF165E6E0FF660A48814F584093B8B08C48CA3E73A8B9F187018F5AD98BD
      608B87D3A2BC87FF07490F6A53E45254C2AA62758A5C5ED6E0C729A5060C384C
      2F2D206B93D9883B44EDAF2232D04508C0EDD66214F0EA75624FC7F63D18E88E
      419E3E3388D29B42F56DEB986A3A80079F9822A38F7644540000000049454E44
      AE426082}
    BtnNext.NumGlyphs = 2
    BtnNext.Enabled = True
    BtnNext.Show = True
    BtnBack.Text = '&Back'
    BtnBack.Layout = blGlyphLeft
    BtnBack.Glyph.Data = {
      89504E470D0A1A0A0000000D4948445200000020000000100802000000F862EA
      0E000000017352474200AECE1CE90000007049444154388DC594410EC0200804
      17D37F832F6F2F4D23412B9262F7CCCC9A889208525372F5A30259F60C894E41
      CCCE7CBA0A62F697A882CFED00E8D9A2E9AC197011C57B9265FB7D2BBBD65496
      412F71B4440B39048A60E64981ED704411B5929DD8FB0E323AFEF88B62E95E00
      800B366C1920981660160000000049454E44AE426082}
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
        Glyph.Data = {
          89504E470D0A1A0A0000000D4948445200000024000000120802000000BC41EB
          7F000000017352474200AECE1CE9000000CA49444154388DBD94C10EC4200844
          87A6FF0D7E397BB075898862BB590E76928A6F468D2482BFD5094004AA0A8088
          80503B5B02C82D9623001C6F9C32EB963EEB679EA9EA52A88395526A3E668DB4
          9DFF2A59F3DE7C786D2D5EC91E9D19983993EF67C926999AEE93D57FD57BA4E3
          B2671369034B9698D1963D9891BEFA36B6D133B6FA98350B132736498CE10511
          B7628E14F6DD9796C630DB9A23857D8D84E8EA7BC08A349E6E4921AC5B3D47EA
          E776A4190C6E1BB7789EB4803D227DFBFCC37D60FD403C71E249003EC7BF90B1
          7ACBA3270000000049454E44AE426082}
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
        Height = 230
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
            Top = 12
            Width = 120
            Height = 13
            Caption = 'Setup type:'
            WordWrap = True
          end
          object SummaryType: TLabel
            Left = 136
            Top = 12
            Width = 260
            Height = 13
            AutoSize = False
            Caption = 'Typical installation'
            ShowAccelChar = False
          end
          object SummaryNameCaption: TLabel
            Left = 12
            Top = 32
            Width = 120
            Height = 13
            Caption = 'Your name:'
            WordWrap = True
          end
          object SummaryName: TLabel
            Left = 136
            Top = 32
            Width = 260
            Height = 13
            AutoSize = False
            Caption = '(not given)'
            ShowAccelChar = False
          end
          object SummaryDestinationCaption: TLabel
            Left = 12
            Top = 52
            Width = 120
            Height = 13
            Caption = 'Destination folder:'
            WordWrap = True
          end
          object SummaryDestination: TLabel
            Left = 136
            Top = 52
            Width = 260
            Height = 13
            AutoSize = False
            Caption = '/opt/zelvant-demo (proposed)'
            ShowAccelChar = False
          end
          object SummaryFolderCaption: TLabel
            Left = 12
            Top = 72
            Width = 120
            Height = 13
            Caption = 'Start menu folder:'
            WordWrap = True
          end
          object SummaryFolder: TLabel
            Left = 136
            Top = 72
            Width = 260
            Height = 13
            AutoSize = False
            Caption = 'Zelvant Demo (proposed)'
            ShowAccelChar = False
          end
          object SummaryLanguageCaption: TLabel
            Left = 12
            Top = 92
            Width = 120
            Height = 13
            Caption = 'Language:'
            WordWrap = True
          end
          object SummaryLanguage: TLabel
            Left = 136
            Top = 92
            Width = 260
            Height = 13
            AutoSize = False
            Caption = 'English (proposed)'
            ShowAccelChar = False
          end
          object SummaryUsersCaption: TLabel
            Left = 12
            Top = 112
            Width = 120
            Height = 13
            Caption = 'Installed for:'
            WordWrap = True
          end
          object SummaryUsers: TLabel
            Left = 136
            Top = 112
            Width = 260
            Height = 13
            AutoSize = False
            Caption = 'All users (proposed)'
            ShowAccelChar = False
          end
        end
        object DetailsSheet: TTabSheet
          Left = 4
          Top = 23
          Width = 412
          Height = 143
          Caption = 'Details'
          object SummaryTasksCaption: TLabel
            Left = 12
            Top = 12
            Width = 120
            Height = 13
            Caption = 'Additional tasks:'
            WordWrap = True
          end
          object SummaryTasks: TLabel
            Left = 136
            Top = 12
            Width = 260
            Height = 13
            AutoSize = False
            Caption = 'Examples (proposed)'
            ShowAccelChar = False
          end
          object DetailsNames: TLabel
            Left = 12
            Top = 32
            Width = 140
            Height = 39
            Caption = 'Program files:'#10'Examples and pictures:'#10'Disk space needed:'
            WordWrap = True
          end
          object DetailsValues: TLabel
            Left = 136
            Top = 32
            Width = 240
            Height = 39
            Caption = '2.4 MB'#10'0.9 MB'#10'3.3 MB'
            WordWrap = True
          end
        end
      end
    end
  end
end
