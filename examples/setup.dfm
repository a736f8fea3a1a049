object SetupForm: TSetupForm
  Left = 0
  Top = 0
  Width = 506
  Height = 405
  ActiveControl = Zelvant1.NextButton
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
    NumPages = 7
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
      'Name and Folder'
      'Setup Type'
      'Options'
      'Ready to Install'
      'Setup Not Completed')
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
    WayList.NumPages = 7
    WayList.Data = {
      01000000FDFFFFFF02000000FDFFFFFF03000000FDFFFFFF04000000FFFFFFFF
      05000000FDFFFFFF06000000FEFFFFFF07000000FEFFFFFF}
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
      95010000FA0100007701000054020000}
    object WelcomeBox: TABox
      Left = 0
      Top = 0
      Width = 500
      Height = 345
      TabOrder = 7
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 8
      ShowContainer.Data = {
        0000000000000000000000000000000000000000010000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000}
      Align = alClient
      AAlign = alClient
      object WelcomeImage: TAImage
        Left = 0
        Top = 0
        Width = 164
        Height = 345
        Align = alLeft
        Picture.Data = {
          89504E470D0A1A0A0000000D49484452000000A400000159080200000099AC13
          65000000017352474200AECE1CE90000064949444154789CEDDDB18E13571487
          710FBA0F900208D5D47E044B4120900829B64C93CE5236115A29551A3AE019A2
          AC22C14A746928294882428A44DA220FB0B53B168ABCC1A6D8480184EDB5E61E
          DF33FEBE5F09CBD87B8FCEFFCCCCB5876E726D3E11C3A5D66F40DB63B141CA64
          D2B57E0FDA123B1BA4D8D81CC638889D0DE2CC0631C6418C71103B1BC4990D52
          EC6B8E32E92C3785310E62B1418C71103B1BC4CE06B1B3412C3688B74B418A23
          9BC3180731C641DCCF06B1B3419CD920C63888310E628C83586C1077BD40EC6C
          108B0D523A631CC3CE06F1040DC4CE06B1D820DE2E05712304C4180731C6418C
          7190D2596D0C673688310EE2091A88310E62B141DCF502B1B341EC6C103B1BC4
          628318E3207636884F2506F17629881B2120CE6C10631CC41807B1B3419CD920
          C63888310EE297F1419CD920161BC4990DE2D93888310E628C8318E320763688
          331BC4180731C641FC742988331BC46F8480D8D9207636889D0D62B1418C7110
          3B1BC4628378BB14A438B2398C7110631CC4FD6C103B1BC4990D628C8318E320
          C63888C50671D70BC4CE06F1311B20763688C506F1040DC4CE06B1D820DE2E05
          712304C4CE0671668318E320A5B3DA18C63888310EE2D93888310E62B141DCF5
          02B1B341EC6C103B1BC4628318E3203E9518C41807F17629881B212076368833
          1BC4180731C641EC6C10673688310EE29317408C71108B0DE2CC06F1D20BC4CE
          0671668318E320C63888310E628C8318E3207E9418C4990DE2374240EC6C103B
          1BC4CE06B1D820C638889D0D62B141BC5D0A521CD91C763688331BC4FD6C1063
          1CC4CE0671668318E3207636881B2120763688C506F1311B20763688C506F16C
          1CC4CE06B1D820DE2E0571D70BC4CE0671668318E320A5B3DA18763688331BC4
          B371103B1B247023E49F675F051D39A74FBEFCB9F55B58A3841EFDF8F8CFD0E3
          E7319B5D6FFD16D633C641DCCFAE27FD4ADAD920161BC418AF27FD4AFA54E26A
          F2AF64833B68A3B84A5961F9F564F672C75E672F137AFD3DBBFF32EEE0933F1E
          061E3C98BB5EF5A45F4937422ACABE926D627C76FFE574F645C4914F8E5F441C
          763718E3F5A45F4963BCA2EC2B6967D7937E25BD5D0A628C57947D257DF24235
          F957D21807B1D820CEEC8AB2AFA4975EF5A45FC9669DBD8BF735B357DB990D62
          8CD7937E253D41AB28FB4ADAD9F5A45F49673688315E51F695F4A3C4D5E45F49
          BF24504FFA95746683586C1063BC9EF42B696783586C1063BC9EF42B69678378
          07ADA2EC2B69678394F4836634F2AFA4315E51F69534C641FCF0423DE957D218
          AF28FB4ADAD9F5A45F4967368831BEF1D3AE963DC7EDEDD1C64F89B9FCF52F9B
          FE9321DA3C40279BBE9FAEFE81C5E2E4F9F3DF07BECADEDEED0F5E687174779B
          F57623A49A8383838FFEF9E1E1E1B27FD2F7D3C5D1DDCBFBBF86BDA9F738B31B
          EBFBE9DB279F6FE7B52C767B5BABF7A52ECC16DEFDCE38AF775C2DCED9D959F4
          FDF4CDE33BA12FD1E86C7CCCCFF68DD3F7D3C5E33B57BEF92DE8F80DCEC6B3FD
          FF4FA99E7FFE5FBDBF0D798AB6310EE21DB49C428A626783B8EB95524C518CF1
          6A56DC16DD5C4851ECEC94C23A3B50AAAB9A81F6F66EB77E0B43952EACB5AFDE
          7B1574E473A73FDDDAE8E797BD9F8B1C67ED1E685D414519778C3F7DFAE4823F
          399FEF8FE937F5046DB011FDA65E676B188B0D42FA58D2887ED398B76A67838C
          FBD3A5F3F97EEBB730268962FCF4C71BB1C73FBCB9D1CF2F162741EFE4DCAA6B
          F798A2E4EAEC269F6B58719BEFECEC2CE8459B7C46CF990D9228C6F5BFA018B7
          D40905150575BB7444BCCED630B976BD7669FF7B909DDFF5FAF4BBBF9ABCEEEB
          1F3E5BF1B7DDAD47D55FF1ECD583753FE27E760B17284C8098A238B34112C5B8
          DE618C73ECFC099ADEE175B686293E2221A1A0A2E4DAE24CA8D175760867F61A
          8D0AE3CCD6305E7AA5E4A51789375538BC37AE818CF155DADD8430C6C3447F44
          7CE3178D294A77EDFBBF430EAC7C9CD9207E9418C42F098018E320161BC41807
          B1B3412C3688310E626783B8110262678314473687310EE27E3688331BC41807
          31C641EC6C10673688C506712304C4CE06B1D8203E6603C4CE06F1040DC4CE06
          B1D820DE2E05B1B341DCF50231C641EC6C10673648E96C6D0C631CC413341067
          3688C50671D70BC4CE06B1D820C638889D0D626783D8D9203E9518C4DBA5206E
          848038B3418C7110631CC4CE0671668318E320C638885FC607F917E91372FAB3
          824A4D0000000049454E44AE426082}
        ParentInDialog = Zelvant1
        ParentInWizard = WelcomeBox
        ShowContainer.NumApos = 8
        ShowContainer.Data = {
          0000000000000000000000000000000000000000010000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000}
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
      TabOrder = 6
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 8
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0100000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000}
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
          Picture.Data = {
            89504E470D0A1A0A0000000D4948445200000030000000300802000000D8606E
            D0000000017352474200AECE1CE900000164494441545885ED99319282301486
            5F1CCE919A23A4D866ADB6E01016569C806EF512A9B6E010165B38AE850547A0
            E62258A04C7C0A794F127D33CB571948E09BE49790A0DAB605492CDE2D809985
            7CA877DD7828BB090054D5E9B53260CCC7D0297143264E28710B233D19044A36
            125466E5C9147B86CE7143A985854CB14FCD17A5655DFD326CC888CBD02CE443
            9C100E35444B2B11713D340BF91027F420D44F429819DCB952A99B57B1FEF528
            9C1080D6A95B6C9A7AB73BB847F23CEF7F5B6BB36CD937514A754E52864CEBB4
            EB3329427075122404005AA7B284206CA8BD586BBD75E20A65D992DB24A2107A
            0A1011972171427743465B1BC4E34668CA9ADA9DA79AA666B575D3162BD4F47D
            3034CB8ACC50EC15348B84BBC7887A78ACE6E7D65BA7FDFBC6422C9B8EB2FC41
            4756AB35E56614446688CBC3FE08C5A0103D2B8357089E21DE5ED1DD5FF51F64
            68CAF3E9E91157A1BE754CCFDCE53AF3C7170FE284CED0A353FE0C9A45FF0000
            000049454E44AE426082}
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
      object LicenceMemo: TMemo
        Left = 40
        Top = 106
        Width = 420
        Height = 150
        Lines.Strings = (
          'ZELVANT DEMO LICENCE AGREEMENT'
          ''
          '1. You may install and use this demonstration program on any number of computers.'
          ''
          '2. The program comes without any warranty. It shows how a setup wizard is built with the Zelvant components, and it installs nothing.'
          ''
          '3. You may copy the program and pass it on, together with this agreement.'
          ''
          '4. You may change the program and pass on what you changed, as long as you say that you changed it and keep this agreement with it.'
          ''
          '5. The names and pictures in the program are examples. They stand for no real product, person or company.'
          ''
          '6. If a part of this agreement cannot hold where you live, the other parts still do.'
          ''
          '7. By clicking "I accept the agreement" you say that you have read this agreement to its end.')
        ReadOnly = True
        ScrollBars = ssVertical
        TabOrder = 3
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
        ShowContainer.NumApos = 8
        ShowContainer.Data = {
          000000000000000000000000000000000000000000000000280000000A010000
          0100000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000}
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
          ShowContainer.NumApos = 8
          ShowContainer.Data = {
            0000000000000000000000000000000000000000000000000000000002000000
            0100000000000000000000000000000000000000000000000000000000000000
            0000000000000000000000000000000000000000000000000000000000000000}
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
          ShowContainer.NumApos = 8
          ShowContainer.Data = {
            0000000000000000000000000000000000000000000000000000000018000000
            0100000000000000000000000000000000000000000000000000000000000000
            0000000000000000000000000000000000000000000000000000000000000000}
          AAlign = alNone
          JumpPage = 7
          JumpMode = jmAbsolut
        end
      end
    end
    object NameFolderBox: TABox
      Left = 20000
      Top = 0
      Width = 50
      Height = 50
      TabOrder = 5
      Visible = False
      ParentInDialog = Zelvant1
      ParentInWizard = Zelvant1
      ShowContainer.NumApos = 8
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000100000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000}
      AAlign = alClient
      object UserNameLabel: TLabel
        Left = 40
        Top = 72
        Width = 420
        Height = 13
        Caption = 'Your &name:'
        FocusControl = UserNameEdit
        WordWrap = True
      end
      object DestinationLabel: TLabel
        Left = 40
        Top = 126
        Width = 420
        Height = 13
        Caption = '&Destination folder:'
        FocusControl = DestinationEdit
        WordWrap = True
      end
      object DestinationNote: TLabel
        Left = 40
        Top = 176
        Width = 420
        Height = 26
        Caption = 'Setup installs the program''s files into this folder, and makes the folder if it is not there.'
        WordWrap = True
      end
      object NameFolderHeader: TPanel
        Left = 0
        Top = 2
        Width = 50
        Height = 58
        Align = alTop
        BevelOuter = bvNone
        Color = clWhite
        TabOrder = 0
        object NameFolderTitle: TLabel
          Left = 20
          Top = 10
          Width = 109
          Height = 13
          Caption = 'Name and Folder'
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
          ParentFont = False
        end
        object NameFolderSubtitle: TLabel
          Left = 36
          Top = 28
          Width = 390
          Height = 13
          Caption = 'Who uses Zelvant Demo, and where should it go?'
          WordWrap = True
        end
        object NameFolderIcon: TImage
          Left = 444
          Top = 5
          Width = 48
          Height = 48
          Picture.Data = {
            89504E470D0A1A0A0000000D4948445200000030000000300802000000D8606E
            D0000000017352474200AECE1CE900000164494441545885ED99319282301486
            5F1CCE919A23A4D866ADB6E01016569C806EF512A9B6E010165B38AE850547A0
            E62258A04C7C0A794F127D33CB571948E09BE49790A0DAB605492CDE2D809985
            7CA877DD7828BB090054D5E9B53260CCC7D0297143264E28710B233D19044A36
            125466E5C9147B86CE7143A985854CB14FCD17A5655DFD326CC888CBD02CE443
            9C100E35444B2B11713D340BF91027F420D44F429819DCB952A99B57B1FEF528
            9C1080D6A95B6C9A7AB73BB847F23CEF7F5B6BB36CD937514A754E52864CEBB4
            EB3329427075122404005AA7B284206CA8BD586BBD75E20A65D992DB24A2107A
            0A1011972171427743465B1BC4E34668CA9ADA9DA79AA666B575D3162BD4F47D
            3034CB8ACC50EC15348B84BBC7887A78ACE6E7D65BA7FDFBC6422C9B8EB2FC41
            4756AB35E56614446688CBC3FE08C5A0103D2B8357089E21DE5ED1DD5FF51F64
            68CAF3E9E91157A1BE754CCFDCE53AF3C7170FE284CED0A353FE0C9A45FF0000
            000049454E44AE426082}
        end
      end
      object NameFolderHeaderLine: TPanel
        Left = 0
        Top = 0
        Width = 50
        Height = 2
        Align = alTop
        BevelOuter = bvLowered
        TabOrder = 1
      end
      object UserNameEdit: TEdit
        Left = 40
        Top = 90
        Width = 260
        Height = 21
        MaxLength = 80
        TabOrder = 2
      end
      object DestinationEdit: TEdit
        Left = 40
        Top = 144
        Width = 420
        Height = 21
        TabOrder = 3
        Text = '/opt/zelvant-demo'
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
      ShowContainer.NumApos = 8
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000100000000000000
        0000000000000000000000000000000000000000000000000000000000000000}
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
          Width = 71
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
          Picture.Data = {
            89504E470D0A1A0A0000000D4948445200000030000000300802000000D8606E
            D0000000017352474200AECE1CE900000164494441545885ED99319282301486
            5F1CCE919A23A4D866ADB6E01016569C806EF512A9B6E010165B38AE850547A0
            E62258A04C7C0A794F127D33CB571948E09BE49790A0DAB605492CDE2D809985
            7CA877DD7828BB090054D5E9B53260CCC7D0297143264E28710B233D19044A36
            125466E5C9147B86CE7143A985854CB14FCD17A5655DFD326CC888CBD02CE443
            9C100E35444B2B11713D340BF91027F420D44F429819DCB952A99B57B1FEF528
            9C1080D6A95B6C9A7AB73BB847F23CEF7F5B6BB36CD937514A754E52864CEBB4
            EB3329427075122404005AA7B284206CA8BD586BBD75E20A65D992DB24A2107A
            0A1011972171427743465B1BC4E34668CA9ADA9DA79AA666B575D3162BD4F47D
            3034CB8ACC50EC15348B84BBC7887A78ACE6E7D65BA7FDFBC6422C9B8EB2FC41
            4756AB35E56614446688CBC3FE08C5A0103D2B8357089E21DE5ED1DD5FF51F64
            68CAF3E9E91157A1BE754CCFDCE53AF3C7170FE284CED0A353FE0C9A45FF0000
            000049454E44AE426082}
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
        ShowContainer.NumApos = 8
        ShowContainer.Data = {
          100000004A000000010000000000000000000000000000000000000000000000
          00000000000000000000000000000000280000005E0000000100000000000000
          0000000000000000000000000000000000000000000000000000000000000000}
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
      ShowContainer.NumApos = 8
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000001000000000000000000000000000000000000000000000000000000}
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
          Picture.Data = {
            89504E470D0A1A0A0000000D4948445200000030000000300802000000D8606E
            D0000000017352474200AECE1CE900000164494441545885ED99319282301486
            5F1CCE919A23A4D866ADB6E01016569C806EF512A9B6E010165B38AE850547A0
            E62258A04C7C0A794F127D33CB571948E09BE49790A0DAB605492CDE2D809985
            7CA877DD7828BB090054D5E9B53260CCC7D0297143264E28710B233D19044A36
            125466E5C9147B86CE7143A985854CB14FCD17A5655DFD326CC888CBD02CE443
            9C100E35444B2B11713D340BF91027F420D44F429819DCB952A99B57B1FEF528
            9C1080D6A95B6C9A7AB73BB847F23CEF7F5B6BB36CD937514A754E52864CEBB4
            EB3329427075122404005AA7B284206CA8BD586BBD75E20A65D992DB24A2107A
            0A1011972171427743465B1BC4E34668CA9ADA9DA79AA666B575D3162BD4F47D
            3034CB8ACC50EC15348B84BBC7887A78ACE6E7D65BA7FDFBC6422C9B8EB2FC41
            4756AB35E56614446688CBC3FE08C5A0103D2B8357089E21DE5ED1DD5FF51F64
            68CAF3E9E91157A1BE754CCFDCE53AF3C7170FE284CED0A353FE0C9A45FF0000
            000049454E44AE426082}
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
        Height = 230
        TabOrder = 0
        Visible = False
        ParentInDialog = DialogBox
        ParentInWizard = OptionsBox
        ShowContainer.NumApos = 8
        ShowContainer.Data = {
          F60000004A000000010000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000028000000
          5E00000001000000000000000000000000000000000000000000000000000000}
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
      ShowContainer.NumApos = 8
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000001000000000000000000000000000000}
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
          Picture.Data = {
            89504E470D0A1A0A0000000D4948445200000030000000300802000000D8606E
            D0000000017352474200AECE1CE900000164494441545885ED99319282301486
            5F1CCE919A23A4D866ADB6E01016569C806EF512A9B6E010165B38AE850547A0
            E62258A04C7C0A794F127D33CB571948E09BE49790A0DAB605492CDE2D809985
            7CA877DD7828BB090054D5E9B53260CCC7D0297143264E28710B233D19044A36
            125466E5C9147B86CE7143A985854CB14FCD17A5655DFD326CC888CBD02CE443
            9C100E35444B2B11713D340BF91027F420D44F429819DCB952A99B57B1FEF528
            9C1080D6A95B6C9A7AB73BB847F23CEF7F5B6BB36CD937514A754E52864CEBB4
            EB3329427075122404005AA7B284206CA8BD586BBD75E20A65D992DB24A2107A
            0A1011972171427743465B1BC4E34668CA9ADA9DA79AA666B575D3162BD4F47D
            3034CB8ACC50EC15348B84BBC7887A78ACE6E7D65BA7FDFBC6422C9B8EB2FC41
            4756AB35E56614446688CBC3FE08C5A0103D2B8357089E21DE5ED1DD5FF51F64
            68CAF3E9E91157A1BE754CCFDCE53AF3C7170FE284CED0A353FE0C9A45FF0000
            000049454E44AE426082}
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
        ShowContainer.NumApos = 8
        ShowContainer.Data = {
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000280000006A00000001000000000000000000000000000000}
        AAlign = alNone
        object SummarySheet: TTabSheet
          Left = 4
          Top = 23
          Width = 412
          Height = 137
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
          Height = 137
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
        ShowContainer.NumApos = 8
        ShowContainer.Data = {
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000000000000000000000000000000000000000000000000000
          0000000000000000280000001601000001000000000000000000000000000000}
        AAlign = alNone
        JumpPage = 5
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
      ShowContainer.NumApos = 8
      ShowContainer.Data = {
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000001000000}
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
          Picture.Data = {
            89504E470D0A1A0A0000000D4948445200000030000000300802000000D8606E
            D0000000017352474200AECE1CE900000164494441545885ED99319282301486
            5F1CCE919A23A4D866ADB6E01016569C806EF512A9B6E010165B38AE850547A0
            E62258A04C7C0A794F127D33CB571948E09BE49790A0DAB605492CDE2D809985
            7CA877DD7828BB090054D5E9B53260CCC7D0297143264E28710B233D19044A36
            125466E5C9147B86CE7143A985854CB14FCD17A5655DFD326CC888CBD02CE443
            9C100E35444B2B11713D340BF91027F420D44F429819DCB952A99B57B1FEF528
            9C1080D6A95B6C9A7AB73BB847F23CEF7F5B6BB36CD937514A754E52864CEBB4
            EB3329427075122404005AA7B284206CA8BD586BBD75E20A65D992DB24A2107A
            0A1011972171427743465B1BC4E34668CA9ADA9DA79AA666B575D3162BD4F47D
            3034CB8ACC50EC15348B84BBC7887A78ACE6E7D65BA7FDFBC6422C9B8EB2FC41
            4756AB35E56614446688CBC3FE08C5A0103D2B8357089E21DE5ED1DD5FF51F64
            68CAF3E9E91157A1BE754CCFDCE53AF3C7170FE284CED0A353FE0C9A45FF0000
            000049454E44AE426082}
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
      ShowContainer.NumApos = 8
      ShowContainer.Data = {
        0000000000000000010000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000
        0000000000000000000000000000000000000000000000000000000000000000}
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
          Picture.Data = {
            89504E470D0A1A0A0000000D4948445200000030000000300802000000D8606E
            D0000000017352474200AECE1CE900000164494441545885ED99319282301486
            5F1CCE919A23A4D866ADB6E01016569C806EF512A9B6E010165B38AE850547A0
            E62258A04C7C0A794F127D33CB571948E09BE49790A0DAB605492CDE2D809985
            7CA877DD7828BB090054D5E9B53260CCC7D0297143264E28710B233D19044A36
            125466E5C9147B86CE7143A985854CB14FCD17A5655DFD326CC888CBD02CE443
            9C100E35444B2B11713D340BF91027F420D44F429819DCB952A99B57B1FEF528
            9C1080D6A95B6C9A7AB73BB847F23CEF7F5B6BB36CD937514A754E52864CEBB4
            EB3329427075122404005AA7B284206CA8BD586BBD75E20A65D992DB24A2107A
            0A1011972171427743465B1BC4E34668CA9ADA9DA79AA666B575D3162BD4F47D
            3034CB8ACC50EC15348B84BBC7887A78ACE6E7D65BA7FDFBC6422C9B8EB2FC41
            4756AB35E56614446688CBC3FE08C5A0103D2B8357089E21DE5ED1DD5FF51F64
            68CAF3E9E91157A1BE754CCFDCE53AF3C7170FE284CED0A353FE0C9A45FF0000
            000049454E44AE426082}
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
