object GalleryForm: TForm
  Left = 200
  Top = 120
  Width = 568
  Height = 548
  BorderStyle = bsDialog
  Caption = 'Zelvant control gallery'
  Position = poScreenCenter
  object TitleLabel: TLabel
    Left = 12
    Top = 10
    Width = 200
    Height = 13
    Caption = 'Every standard control of the host library:'
  end
  object Panel1: TPanel
    Left = 12
    Top = 30
    Width = 160
    Height = 41
    Caption = 'Raised &panel'
  end
  object Panel2: TPanel
    Left = 180
    Top = 30
    Width = 160
    Height = 41
    BevelInner = bvLowered
    BevelOuter = bvRaised
    BevelWidth = 2
    Caption = 'Panel with two bevels'
  end
  object GroupBox1: TGroupBox
    Left = 12
    Top = 80
    Width = 160
    Height = 97
    Caption = 'Choose a &style'
    object RadioButton1: TRadioButton
      Left = 12
      Top = 20
      Width = 130
      Height = 17
      Caption = '&Wizard'
      Checked = True
      TabOrder = 0
      TabStop = True
    end
    object RadioButton2: TRadioButton
      Left = 12
      Top = 44
      Width = 130
      Height = 17
      Caption = '&Tabbed'
      TabOrder = 1
    end
    object RadioButton3: TRadioButton
      Left = 12
      Top = 68
      Width = 130
      Height = 17
      Caption = 'None'
      Enabled = False
      TabOrder = 2
    end
  end
  object ComboBox1: TComboBox
    Left = 180
    Top = 82
    Width = 160
    Height = 21
    Style = csDropDownList
    TabOrder = 3
    Items.Strings = (
      'English'
      'Deutsch'
      'Fran'#231'ais')
    ItemIndex = 0
  end
  object ComboBox2: TComboBox
    Left = 180
    Top = 112
    Width = 160
    Height = 21
    TabOrder = 4
    Text = 'Editable text'
  end
  object Image1: TImage
    Left = 180
    Top = 142
    Width = 64
    Height = 56
    Picture.Data = {
      89504E470D0A1A0A0000000D49484452000000400000003808060000004D18FE
      72000001714944415478DAEDD0DB2A845118C6F1E772E69A2449922449922449
      923449D2D80FC6186337C66EECF72EC3BDFC1DCD89B2BED6FA4ED6E7FD0E7E87
      6B3DBD7F7594C03275AE8265EA5A03CBD4BD0E96A967032C53EF2658A6BE2DB0
      4CFDDB609906CA6099067720767CEB4F69FFD6D02EC4CA75F86FA11B1ADE8318
      F91CDF16B2A3910AC4282440C88E46F7213621C7B7F96E69AC0AB14913C0774B
      E307109B34017CB7345183D8A409E0BBA5C943884D9A00BE5B9AAA436CD204F0
      DDD2F411C4264D00DF2DCD1C438C428E0FD9D1EC09C4282440C88EE64E21563E
      C7876E68FE0C62E73A3CEDDF5A6880652A9E83655A6C82655ABA00CBB47C0996
      69E50A2C53E91A2CD3DA0D58A68D1658A6AD5BB04CE53BB04CBBF760992A0F60
      99AA8F60996A4F6099EACF60998E5FC032158A055C4E5F71CAFAFBC4008D379C
      B2FE3E3140F31DA7ACBF4F0C70F98153D6DF2706B8FEC429EBEF1303B4BE70CA
      FAFBC400FF5D1E200F9007C803E401F2007900BB7E00946062F553557F410000
      000049454E44AE426082}
  end
  object DisabledLabel: TLabel
    Left = 252
    Top = 150
    Width = 80
    Height = 13
    Caption = 'Disabled label'
    Enabled = False
  end
  object PageControl1: TPageControl
    Left = 352
    Top = 30
    Width = 196
    Height = 168
    ActivePage = TabSheet1
    TabOrder = 5
    object TabSheet1: TTabSheet
      Caption = 'General'
      object SheetLabel: TLabel
        Left = 8
        Top = 8
        Width = 150
        Height = 40
        AutoSize = False
        Caption = 'The active sheet fills the frame below its tab.'
        WordWrap = True
      end
      object SheetButton: TButton
        Left = 8
        Top = 96
        Width = 75
        Height = 25
        Caption = '&Apply'
        TabOrder = 0
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'Pages'
    end
    object TabSheet3: TTabSheet
      Caption = 'About'
    end
  end
  object StringGrid1: TStringGrid
    Left = 12
    Top = 330
    Width = 270
    Height = 120
    ColCount = 3
    DefaultRowHeight = 18
    RowCount = 12
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
    TabOrder = 6
    ColWidths = (
      40
      104
      90)
    Cells = (
      0
      0
      'Page'
      1
      0
      'Name'
      2
      0
      'Shown when'
      0
      1
      '1'
      1
      1
      'Welcome'
      2
      1
      'always'
      0
      2
      '2'
      1
      2
      'Licence'
      2
      2
      'always'
      0
      3
      '3'
      1
      3
      'Name and Folder'
      2
      3
      'always'
      0
      4
      '4'
      1
      4
      'Setup Type'
      2
      4
      'always'
      0
      5
      '5'
      1
      5
      'Options'
      2
      5
      'Custom only'
      0
      6
      '6'
      1
      6
      'Ready to Install'
      2
      6
      'always'
      0
      7
      '7'
      1
      7
      'Not Completed'
      2
      7
      'declined'
      0
      8
      '8'
      1
      8
      'Dialog'
      2
      8
      'Change'
      0
      9
      '9'
      1
      9
      'Summary'
      2
      9
      'always'
      0
      10
      '10'
      1
      10
      'Details'
      2
      10
      'always'
      0
      11
      '11'
      1
      11
      'Finish'
      2
      11
      'always')
  end
  object StringGrid2: TStringGrid
    Left = 292
    Top = 330
    Width = 256
    Height = 120
    ColCount = 4
    DefaultColWidth = 56
    DefaultRowHeight = 18
    FixedCols = 0
    RowCount = 12
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect]
    TabOrder = 7
    Cells = (
      0
      0
      'Row'
      1
      0
      'Number'
      2
      0
      'Goto'
      3
      0
      'Rule'
      0
      1
      '1'
      1
      1
      '1'
      2
      1
      '-3'
      3
      1
      'Next'
      0
      2
      '2'
      1
      2
      '2'
      2
      2
      '-3'
      3
      2
      'Next'
      0
      3
      '3'
      1
      3
      '3'
      2
      3
      '-3'
      3
      3
      'Next'
      0
      4
      '4'
      1
      4
      '4'
      2
      4
      '-1'
      3
      4
      'Ask'
      0
      5
      '5'
      1
      5
      '5'
      2
      5
      '-3'
      3
      5
      'Next'
      0
      6
      '6'
      1
      6
      '6'
      2
      6
      '-2'
      3
      6
      'Finish'
      0
      7
      '7'
      1
      7
      '7'
      2
      7
      '-2'
      3
      7
      'Finish'
      0
      8
      '8'
      1
      8
      '8'
      2
      8
      '0'
      3
      8
      'Dialog'
      0
      9
      '9'
      1
      9
      '9'
      2
      9
      '3'
      3
      9
      'Go to 3'
      0
      10
      '10'
      1
      10
      '10'
      2
      10
      '-2'
      3
      10
      'Finish'
      0
      11
      '11'
      1
      11
      '11'
      2
      11
      '-2'
      3
      11
      'Finish')
  end
  object Edit1: TEdit
    Left = 12
    Top = 206
    Width = 160
    Height = 21
    TabOrder = 9
    Text = 'An edit box: type here'
  end
  object PasswordEdit: TEdit
    Left = 12
    Top = 232
    Width = 160
    Height = 21
    PasswordChar = '*'
    TabOrder = 10
    Text = 'secret'
  end
  object CheckBox1: TCheckBox
    Left = 12
    Top = 260
    Width = 160
    Height = 17
    Caption = 'C&heck box'
    Checked = True
    TabOrder = 11
  end
  object CheckBox2: TCheckBox
    Left = 12
    Top = 280
    Width = 160
    Height = 17
    AllowGrayed = True
    Caption = '&Grayed check box'
    State = cbGrayed
    TabOrder = 12
  end
  object ListBox1: TListBox
    Left = 184
    Top = 206
    Width = 156
    Height = 91
    ItemIndex = 1
    Items.Strings = (
      'Welcome'
      'Licence Agreement'
      'Name and Folder'
      'Setup Type'
      'Options'
      'Ready to Install'
      'Setup Not Completed'
      'Setup Options')
    TabOrder = 13
  end
  object Memo1: TMemo
    Left = 352
    Top = 206
    Width = 196
    Height = 91
    Lines.Strings = (
      'A memo wraps its lines at its width and scrolls when they do not fit: this one holds more than it shows.'
      ''
      'Read-only or not, as the form says.')
    ScrollBars = ssVertical
    TabOrder = 14
  end
  object ScrollBar1: TScrollBar
    Left = 12
    Top = 306
    Width = 536
    Height = 16
    LargeChange = 20
    PageSize = 20
    Position = 30
    TabOrder = 15
  end
  object OKButton: TButton
    Left = 248
    Top = 472
    Width = 90
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
  object CancelButton: TButton
    Left = 348
    Top = 472
    Width = 90
    Height = 25
    Cancel = True
    Caption = '&Cancel'
    ModalResult = 2
    TabOrder = 1
  end
  object FinishButton: TBitBtn
    Left = 448
    Top = 472
    Width = 100
    Height = 25
    Caption = '&Finish'
    TabOrder = 2
    Glyph.Data = {
      89504E470D0A1A0A0000000D49484452000000100000001008060000001FF3FF
      61000000434944415478DAED92310E00200C02EFE9FDB9EE464BB193894337B8
      5002118CCEF10177003A00320045730AC0301F0114CDDB0E56313299888BE886
      307FB676C013539E48CDEE9052E189D80000000049454E44AE426082}
  end
  object DisabledButton: TButton
    Left = 12
    Top = 472
    Width = 90
    Height = 25
    Caption = '&Disabled'
    Enabled = False
    TabOrder = 8
  end
end
