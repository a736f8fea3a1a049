object WayListForm: TWayListForm
  Left = 212
  Top = 118
  BorderStyle = bsDialog
  Caption = 'WayList Editor'
  ClientHeight = 353
  ClientWidth = 594
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 505
    Top = 0
    Width = 89
    Height = 353
    Align = alRight
    TabOrder = 0
    object Button1: TButton
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Up'
      TabOrder = 0
      OnClick = Button1Click
    end
    object Button2: TButton
      Left = 8
      Top = 320
      Width = 75
      Height = 25
      Caption = 'OK'
      ModalResult = 1
      TabOrder = 1
    end
    object Button3: TButton
      Left = 8
      Top = 288
      Width = 75
      Height = 25
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 2
    end
    object Button4: TButton
      Left = 8
      Top = 40
      Width = 75
      Height = 25
      Caption = 'Down'
      TabOrder = 3
      OnClick = Button4Click
    end
    object Button5: TButton
      Left = 8
      Top = 72
      Width = 75
      Height = 25
      Caption = 'Insert'
      TabOrder = 4
      OnClick = Button5Click
    end
    object Button6: TButton
      Left = 8
      Top = 104
      Width = 75
      Height = 25
      Caption = 'Delete'
      TabOrder = 5
      OnClick = Button6Click
    end
    object Button7: TButton
      Left = 8
      Top = 136
      Width = 75
      Height = 25
      Caption = 'Add'
      TabOrder = 6
      OnClick = Button7Click
    end
    object Button8: TButton
      Left = 8
      Top = 168
      Width = 75
      Height = 25
      Caption = 'Default'
      TabOrder = 7
      OnClick = Button8Click
    end
  end
  object Panel2: TPanel
    Left = 0
    Top = 0
    Width = 505
    Height = 353
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 1
    object Panel3: TPanel
      Left = 0
      Top = 307
      Width = 505
      Height = 46
      Align = alBottom
      TabOrder = 0
      object Label1: TLabel
        Left = 8
        Top = 18
        Width = 6
        Height = 13
        Caption = '1'
      end
      object PageBox: TComboBox
        Left = 40
        Top = 16
        Width = 257
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        TabOrder = 0
        OnChange = PageBoxChange
      end
      object GotoBox: TComboBox
        Left = 304
        Top = 16
        Width = 193
        Height = 21
        Style = csDropDownList
        ItemHeight = 13
        TabOrder = 1
        OnChange = GotoBoxChange
      end
    end
    object WayListGrid: TDrawGrid
      Left = 0
      Top = 0
      Width = 505
      Height = 307
      Align = alClient
      ColCount = 3
      DefaultRowHeight = 16
      FixedCols = 0
      RowCount = 2
      Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goDrawFocusSelected, goRowSelect]
      TabOrder = 1
      OnDrawCell = WayListGridDrawCell
      OnSelectCell = WayListGridSelectCell
      ColWidths = (
        26
        339
        109)
    end
  end
end
