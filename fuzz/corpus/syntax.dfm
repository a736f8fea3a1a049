inherited WizardForm: TWizardForm
  Caption = 'Set'#13#10'up' +
    ' done'
  Shapes = [a, b]
  WayList.Data = {
    01000000FDFFFFFF}
  PageNames.Strings = (
    'Dialog'
    'Page 1')
  Items = <
    item
      Width = 3
    end>
  object Zelvant1: TZelvant
    OnPageChange = PageChanged
  end
end
