object GalleryForm: TForm
  Left = 200
  Top = 120
  Width = 568
  Height = 420
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
    Top = 210
    Width = 270
    Height = 120
    ColCount = 3
    DefaultRowHeight = 18
    RowCount = 5
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
    TabOrder = 6
    ColWidths = (
      40
      64
      150)
  end
  object DrawGrid1: TDrawGrid
    Left = 292
    Top = 210
    Width = 256
    Height = 120
    ColCount = 4
    DefaultColWidth = 60
    DefaultRowHeight = 18
    FixedCols = 0
    RowCount = 5
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect]
    TabOrder = 7
  end
  object OKButton: TButton
    Left = 248
    Top = 352
    Width = 90
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
  object CancelButton: TButton
    Left = 348
    Top = 352
    Width = 90
    Height = 25
    Cancel = True
    Caption = '&Cancel'
    ModalResult = 2
    TabOrder = 1
  end
  object FinishButton: TBitBtn
    Left = 448
    Top = 352
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
    Top = 352
    Width = 90
    Height = 25
    Caption = '&Disabled'
    Enabled = False
    TabOrder = 8
  end
end
