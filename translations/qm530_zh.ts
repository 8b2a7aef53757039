<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range,please input again.</source>
        <translation>超出范围，请重新输入。</translation>
    </message>
    <message>
        <source>Communication Error,Please check all the connections and the radio power</source>
        <translation>通讯错误，请检查所有连接及对讲机电源</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>所有数据将被清除！</translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>无法打开端口，请检查端口是否被占用或设备是否正常</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>编程中断，请重启对讲机后再试</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>数据错误，请按步进值(6.25K/5K)输入。</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
</context>
<context>
    <name>qm530::MessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>放弃(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>qm530::app::CAboutDlg</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>qm530::app::CBackupsDlg</name>
    <message>
        <source>Open Backup</source>
        <translation>打开备份</translation>
    </message>
    <message>
        <source>No radio has been read yet: there are no backups in %1.</source>
        <translation>尚未读取过对讲机：%1 中没有备份。</translation>
    </message>
    <message>
        <source>The backups of the radios read, newest first, in %1:</source>
        <translation>已读取对讲机的备份（最新的在前），位于 %1：</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道数</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qm530::app::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qm530::app::CMainFrame</name>
    <message>
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message>
        <source>Put the channels of a CSV channel list into the active document
Import</source>
        <translation>把 CSV 信道列表中的信道导入当前文档
导入</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the channels of the active document as a CSV channel list
Export</source>
        <translation>把当前文档的信道导出为 CSV 信道列表
导出</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>新建一个文档
新建</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开一个已有的文档
打开</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>关闭当前文档
关闭</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存当前文档
保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>用新名字保存当前文档
另存为</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>比较(&amp;M)...</translation>
    </message>
    <message>
        <source>Compare the active document with a file or with the radio
Compare</source>
        <translation>将当前文档与文件或对讲机比较
比较</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印当前文档
打印</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>更改打印机及打印选项
打印设置</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>退出程序
退出</translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation>信道信息(&amp;C)</translation>
    </message>
    <message>
        <source>Show the channel window of the active document
Channel Information</source>
        <translation>显示当前文档的信道窗口
信道信息</translation>
    </message>
    <message>
        <source>&amp;Product Information</source>
        <translation>类型设置(&amp;P)</translation>
    </message>
    <message>
        <source>Choose the radio type and the frequency band
Product Information</source>
        <translation>选择对讲机型号及频段
类型设置</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>可选功能(&amp;O)</translation>
    </message>
    <message>
        <source>Edit the optional features of the radio
Optional Features</source>
        <translation>编辑对讲机的可选功能
可选功能</translation>
    </message>
    <message>
        <source>Side &amp;Key</source>
        <translation>侧键设置(&amp;K)</translation>
    </message>
    <message>
        <source>Assign the functions of the side keys
Side Key</source>
        <translation>设置侧键的功能
侧键设置</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读数据(&amp;R)</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>从对讲机读取数据
读数据</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写数据(&amp;W)</translation>
    </message>
    <message>
        <source>Write Data To Radio
Write</source>
        <translation>向对讲机写入数据
写数据</translation>
    </message>
    <message>
        <source>&amp;Scan Info</source>
        <translation>扫描信息(&amp;S)</translation>
    </message>
    <message>
        <source>Edit the scan information
Scan Info</source>
        <translation>编辑扫描信息
扫描信息</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>显示或隐藏工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>&amp;Control Bar</source>
        <translation>导航栏(&amp;C)</translation>
    </message>
    <message>
        <source>Show or hide the navigation bar
Control Bar</source>
        <translation>显示或隐藏导航栏
导航栏</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>串口设置(&amp;C)</translation>
    </message>
    <message>
        <source>Choose the serial port of the cable
Com Setup</source>
        <translation>选择写频线所接的串口
串口设置</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation>选择程序的语言
语言</translation>
    </message>
    <message>
        <source>&amp;About Program...</source>
        <translation>关于 Program(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>Display help for the current task or command
Help</source>
        <translation>显示当前任务或命令的帮助
帮助</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>切换到下一个窗格
下一窗格</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>上一窗格</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>切换回上一个窗格
上一窗格</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>撤销上一步操作
撤销</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>重做上一步撤销的操作
重做</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selected channels or cells to the clipboard
Cut</source>
        <translation>把选中的信道或单元格剪切到剪贴板
剪切</translation>
    </message>
    <message>
        <source>Copy the selected channels or cells to the clipboard
Copy</source>
        <translation>把选中的信道或单元格复制到剪贴板
复制</translation>
    </message>
    <message>
        <source>Paste tab-separated cells at the current cell
Paste</source>
        <translation>从当前单元格起粘贴以制表符分隔的单元格
粘贴</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Clear the selected channels
Delete</source>
        <translation>清空选中的信道
删除</translation>
    </message>
    <message>
        <source>Move the selected channels up one place
Move Up</source>
        <translation>把选中的信道上移一位
上移</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected channels down one place
Move Down</source>
        <translation>把选中的信道下移一位
下移</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>插入信道(&amp;I)</translation>
    </message>
    <message>
        <source>Insert an empty channel; the later channels shift down
Insert Channel</source>
        <translation>插入一个空信道，后面的信道下移
插入信道</translation>
    </message>
    <message>
        <source>Re&amp;move Channel</source>
        <translation>删除信道(&amp;M)</translation>
    </message>
    <message>
        <source>Remove the current channel; the later channels shift up
Remove Channel</source>
        <translation>删除当前信道，后面的信道上移
删除信道</translation>
    </message>
    <message>
        <source>&amp;Transfer Trace</source>
        <translation>传输记录(&amp;T)</translation>
    </message>
    <message>
        <source>Write a trace of every Read and Write into your data folder
Transfer Trace</source>
        <translation>把每次读数据和写数据的记录写入您的数据文件夹
传输记录</translation>
    </message>
    <message>
        <source>The language could not be stored:
%1</source>
        <translation>无法保存语言设置：
%1</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>大写锁定</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>数字锁定</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>滚动锁定</translation>
    </message>
    <message>
        <source>Using qm530 with a &amp;Screen Reader</source>
        <translation>使用屏幕阅读器操作 qm530(&amp;S)</translation>
    </message>
    <message>
        <source>The keys and what a screen reader reads where
Screen Reader</source>
        <translation>按键以及屏幕阅读器在各处读出的内容
屏幕阅读器</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange the document windows so they overlap
Cascade</source>
        <translation>层叠排列文档窗口
层叠</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange the document windows as tiles that do not overlap
Tile</source>
        <translation>平铺排列文档窗口，互不重叠
平铺</translation>
    </message>
    <message>
        <source>Product Information</source>
        <comment>undo step</comment>
        <translation>产品信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <comment>undo step</comment>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Side Key</source>
        <comment>undo step</comment>
        <translation>侧键</translation>
    </message>
    <message>
        <source>Cannot open the file
%1
%2</source>
        <translation>无法打开文件
%1
%2</translation>
    </message>
    <message>
        <source>Cannot save the file
%1</source>
        <translation>无法保存文件
%1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销%1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做%1(&amp;R)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>Bring this document window to the front</source>
        <translation>把此文档窗口调到最前面</translation>
    </message>
    <message>
        <source>&amp;%1</source>
        <comment>the About item with its letter</comment>
        <translation>%1(&amp;A)</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>复制(&amp;Y)</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>粘贴(&amp;A)</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation>上移(&amp;V)</translation>
    </message>
    <message>
        <source>Read Channel</source>
        <translation>读出信道</translation>
    </message>
    <message>
        <source>Say the whole current channel in one phrase
Read Channel</source>
        <translation>用一句话读出当前信道的全部设置
读出信道</translation>
    </message>
    <message>
        <source>%1
holds %2 bytes, more than a radio image (1024 bytes): only its first 1024 bytes are shown. Save does not write over it; use Save As to save the channels to a new .dat file.</source>
        <translation>%1
有 %2 字节，比对讲机数据（1024 字节）长：只显示其前 1024 字节。“保存”不会覆盖它；请用“另存为”把信道保存到新的 .dat 文件。</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>打开备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Open the backup of a radio read as a new document
Open Backup</source>
        <translation>把读取对讲机时保留的备份作为新文档打开
打开备份</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Writing</source>
        <translation>写入前备份(&amp;B)</translation>
    </message>
    <message>
        <source>Read the radio and keep a backup of its memory before every Write
Back Up Before Writing</source>
        <translation>每次写数据前先读取对讲机并备份其内存
写入前备份</translation>
    </message>
    <message>
        <source>It is taken off the list of recent files.</source>
        <translation>已将其从最近文件列表中移除。</translation>
    </message>
    <message>
        <source>Backup %1</source>
        <translation>备份 %1</translation>
    </message>
</context>
<context>
    <name>qm530::app::CNavigationBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>侧键设置</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
</context>
<context>
    <name>qm530::app::CPrintSetupDlg</name>
    <message>
        <source>Print Setup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>(no printer)</source>
        <translation>（无打印机）</translation>
    </message>
    <message>
        <source>No printer is installed. Print and Print Preview keep working with the PDF file printer.</source>
        <translation>未安装打印机。打印和打印预览仍可使用 PDF 文件打印机。</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>纵向(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>横向(&amp;L)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Pr&amp;inter:</source>
        <translation>打印机(&amp;I)：</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>纸张(&amp;A)：</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>方向：</translation>
    </message>
</context>
<context>
    <name>qm530::app::ProgramApp</name>
    <message>
        <source>Your settings file could not be read as settings. It was set aside as
%1
and the program&apos;s own settings are used.</source>
        <translation>无法读取您的设置文件。它已被另存为
%1
现在使用程序自带的设置。</translation>
    </message>
</context>
<context>
    <name>qm530::editor::CChannelGrid</name>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
</context>
<context>
    <name>qm530::editor::CCompareDlg</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>the radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>&amp;Document compared with %1:</source>
        <translation>文档与 %1 比较(&amp;D):</translation>
    </message>
    <message>
        <source>The configurations are the same.</source>
        <translation>配置相同。</translation>
    </message>
    <message>
        <source>&amp;Document (before the arrow) compared with %1 (after it):</source>
        <translation>文档(箭头前)与 %1(箭头后)比较(&amp;D):</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
</context>
<context>
    <name>qm530::editor::CCompareSourceDlg</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Compare the document with</source>
        <translation>文档比较对象</translation>
    </message>
    <message>
        <source>a &amp;file (.dat)</source>
        <translation>文件(.dat)(&amp;F)</translation>
    </message>
    <message>
        <source>the &amp;radio (read it first)</source>
        <translation>对讲机(先读取)(&amp;R)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qm530::editor::CImportPreviewDlg</name>
    <message>
        <source>Import Channel List</source>
        <translation>导入信道列表</translation>
    </message>
    <message>
        <source>By &amp;location (row Location n goes to channel n)</source>
        <translation>按位置(&amp;L)（Location 为 n 的行放入信道 n）</translation>
    </message>
    <message>
        <source>&amp;Renumbered in file order from channel</source>
        <translation>按文件顺序重新编号(&amp;R)，起始信道</translation>
    </message>
    <message>
        <source>&amp;Clear the channels the file does not name</source>
        <translation>清除文件中未列出的信道(&amp;C)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>What changes</source>
        <translation>变化</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>不变</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>拒绝：%1</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>跳过：%1</translation>
    </message>
    <message>
        <source>cleared (no row names it)</source>
        <translation>清除（没有行指定它）</translation>
    </message>
    <message>
        <source>; note: %1</source>
        <translation>；注意：%1</translation>
    </message>
    <message>
        <source>%1 new, %2 changed, %3 unchanged, %4 cleared, %5 refused, %6 skipped.</source>
        <translation>新增 %1，修改 %2，不变 %3，清除 %4，拒绝 %5，跳过 %6。</translation>
    </message>
    <message>
        <source>Rows refused: %1. They will be left out; OK imports the others.</source>
        <translation>被拒绝的 %1 行将不导入；按“确定”导入其余各行。</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>Line %1, channel %2</source>
        <translation>第 %1 行，信道 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>起始信道</translation>
    </message>
    <message>
        <source>Rows of the channel list</source>
        <translation>信道列表的各行</translation>
    </message>
</context>
<context>
    <name>qm530::editor::CProgramView</name>
    <message>
        <source>Read Data</source>
        <translation>读数据</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>写数据</translation>
    </message>
    <message>
        <source>read from radio</source>
        <translation>从对讲机读数据</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>与对讲机比较</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比较对象</translation>
    </message>
    <message>
        <source>Cannot read the file
%1</source>
        <translation>无法读取文件
%1</translation>
    </message>
    <message>
        <source>%1 of channel %2</source>
        <translation>信道%2的%1</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Some cells were not pasted:</source>
        <translation>以下单元格未粘贴：</translation>
    </message>
    <message>
        <source>%1 cells lie outside the grid and were left out.</source>
        <translation>%1 个单元格超出表格，未粘贴。</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>insert channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <source>remove channel</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>%1 is not a channel list; nothing was imported.
%2</source>
        <translation>%1 不是信道列表，未导入任何内容。
%2</translation>
    </message>
    <message>
        <source>import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Cannot export to the file
%1
%2</source>
        <translation>无法导出到文件
%1
%2</translation>
    </message>
    <message>
        <source>Read complete: %1 channels</source>
        <translation>读数据完成：%1 个信道</translation>
    </message>
    <message>
        <source>Write complete: %1 channels</source>
        <translation>写数据完成：%1 个信道</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>读数据已取消</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>写数据已取消</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>读数据失败</translation>
    </message>
    <message>
        <source>Write failed</source>
        <translation>写数据失败</translation>
    </message>
    <message>
        <source>Reading the radio for the backup</source>
        <translation>正在读取对讲机以备份</translation>
    </message>
    <message>
        <source>To write without a backup, turn off Setup &gt; Back Up Before Writing.</source>
        <translation>如需不备份直接写入，请关闭“设置 &gt; 写入前备份”。</translation>
    </message>
    <message>
        <source>Writing to the radio</source>
        <translation>正在写入对讲机</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a transfer&apos;s result, then more</comment>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>qm530::editor::ChannelSpeech</name>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>receive %1</source>
        <translation>接收 %1</translation>
    </message>
    <message>
        <source>transmit %1</source>
        <translation>发射 %1</translation>
    </message>
    <message>
        <source>decode %1</source>
        <translation>解码 %1</translation>
    </message>
    <message>
        <source>encode %1</source>
        <translation>编码 %1</translation>
    </message>
    <message>
        <source>high power</source>
        <translation>高功率</translation>
    </message>
    <message>
        <source>low power</source>
        <translation>低功率</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>busy lock on carrier</source>
        <translation>载波繁忙锁定</translation>
    </message>
    <message>
        <source>busy lock on QT/DQT</source>
        <translation>QT/DQT繁忙锁定</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>%1, channel %2</source>
        <translation>%1，信道 %2</translation>
    </message>
</context>
<context>
    <name>qm530::link::CComSetupDlg</name>
    <message>
        <source>COM Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Device &amp;%1:</source>
        <translation>设备(&amp;%1)：</translation>
    </message>
    <message>
        <source>Default (%1)</source>
        <translation>默认（%1）</translation>
    </message>
    <message>
        <source>Set by the environment variable %1</source>
        <translation>由环境变量 %1 指定</translation>
    </message>
    <message>
        <source>not among the serial devices found</source>
        <translation>不在找到的串口设备中</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>内置串口</translation>
    </message>
    <message>
        <source>you may not open it: join group %1</source>
        <translation>您无权打开：请加入用户组 %1</translation>
    </message>
    <message>
        <source>The port choice could not be stored:
%1</source>
        <translation>无法保存串口选择：
%1</translation>
    </message>
    <message>
        <source>Virtual radio (no cable)</source>
        <translation>虚拟对讲机（无需数据线）</translation>
    </message>
    <message>
        <source>the virtual radio inside the program</source>
        <translation>程序内置的虚拟对讲机</translation>
    </message>
</context>
<context>
    <name>qm530::link::CProcessDlg</name>
    <message>
        <source>Process</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>qm530::link::GuiTransferHost</name>
    <message>
        <source>A trace of this transfer is in %1.</source>
        <translation>本次传输的记录在 %1。</translation>
    </message>
</context>
<context>
    <name>qm530::settings::COptionalFeaturesDlg</name>
    <message>
        <source>Squelch Tune</source>
        <translation>静噪调整</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <source>TOT Pre-Alert</source>
        <translation>限时预警</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫音</translation>
    </message>
    <message>
        <source>Vox Delay Time</source>
        <translation>声控延时</translation>
    </message>
    <message>
        <source>Voice Annunciation</source>
        <translation>语音提示</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qm530::settings::CPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>qm530::settings::CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qm530::settings::CScanInfoDlg</name>
    <message>
        <source>Scan Infomation</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Look Back Time A</source>
        <translation>回查时间 A</translation>
    </message>
    <message>
        <source>Look Back Time B</source>
        <translation>回查时间 B</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>返回信道</translation>
    </message>
    <message>
        <source>Dropout Delay Time</source>
        <translation>信号消失延时</translation>
    </message>
    <message>
        <source>Tx Dwell Time</source>
        <translation>发射驻留时间</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qm530::settings::CSideKeyDlg</name>
    <message>
        <source>Side Key</source>
        <translation>侧键设置</translation>
    </message>
    <message>
        <source>Side Key 1</source>
        <translation>侧键 1</translation>
    </message>
    <message>
        <source>Side Key 2</source>
        <translation>侧键 2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>qm530::ui::HelpSystem</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
</TS>
