object LayoutDialog: TLayoutDialog
  Left = 291
  Top = 125
  BorderStyle = bsDialog
  Caption = 'Button layout'
  ClientHeight = 217
  ClientWidth = 219
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 130
    Top = 0
    Width = 89
    Height = 217
    Align = alRight
    TabOrder = 0
    object Button1: TButton
      Left = 8
      Top = 184
      Width = 75
      Height = 25
      Caption = 'OK'
      ModalResult = 1
      TabOrder = 0
    end
    object Button2: TButton
      Left = 8
      Top = 152
      Width = 75
      Height = 25
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 1
    end
    object Button3: TButton
      Left = 8
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Up'
      TabOrder = 2
      OnClick = Button3Click
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
      Caption = 'Insert Space'
      TabOrder = 4
      OnClick = Button5Click
    end
    object Button6: TButton
      Left = 8
      Top = 104
      Width = 75
      Height = 25
      Caption = 'Delete Space'
      TabOrder = 5
      OnClick = Button6Click
    end
  end
  object LayoutGrid: TDrawGrid
    Left = 0
    Top = 0
    Width = 130
    Height = 217
    Align = alClient
    ColCount = 1
    DefaultColWidth = 100
    DefaultRowHeight = 16
    FixedCols = 0
    FixedRows = 0
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goDrawFocusSelected]
    TabOrder = 1
    OnDrawCell = LayoutGridDrawCell
  end
end
